#include "editor/HelpPage.h"
#include "windows/main/MainWindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>

namespace {

// A caption as the user reads it: no mnemonic "&", no surrounding blanks.
QString plain(QString caption)
{
    caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return caption.trimmed();
}

// Every caption the main window and its windows show.
QSet<QString> captionsOf(QObject &root)
{
    QSet<QString> captions;
    QList<QObject *> objects = root.findChildren<QObject *>();
    objects << &root;
    for (QObject *o : objects) {
        if (auto *w = qobject_cast<QWidget *>(o); w && w->isWindow())
            captions << plain(w->windowTitle());
        if (auto *b = qobject_cast<QAbstractButton *>(o))
            captions << plain(b->text());
        if (auto *a = qobject_cast<QAction *>(o))
            captions << plain(a->text());
        if (auto *m = qobject_cast<QMenu *>(o))
            captions << plain(m->title());
        if (auto *g = qobject_cast<QGroupBox *>(o))
            captions << plain(g->title());
        if (auto *l = qobject_cast<QLabel *>(o))
            captions << plain(l->text());
        if (auto *d = qobject_cast<QDockWidget *>(o))
            captions << plain(d->windowTitle());
        if (auto *t = qobject_cast<QTabWidget *>(o))
            for (int i = 0; i < t->count(); ++i)
                captions << plain(t->tabText(i));
        if (auto *c = qobject_cast<QComboBox *>(o))
            for (int i = 0; i < c->count(); ++i)
                captions << plain(c->itemText(i));
    }
    return captions;
}

} // namespace

// The help page names controls in bold ("Options > Mouse Control" names
// two); each must be a caption the program shows.
TEST_F(MainWindowTest, EveryCaptionTheHelpPageNamesExists)
{
    const QString page = HelpPage::find(QString(), QStringLiteral(QUILLMARK_SOURCE_DIR));
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
    const QString html = QString::fromUtf8(file.readAll());
    const QSet<QString> captions = captionsOf(*window);

    static const QRegularExpression bold(QStringLiteral("<b>(.*?)</b>"), QRegularExpression::DotMatchesEverythingOption);
    int named = 0;
    for (auto it = bold.globalMatch(html); it.hasNext();) {
        QString text = it.next().captured(1).simplified();
        text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        for (const QString &part : text.split(QStringLiteral(" &gt; "))) {
            ++named;
            EXPECT_TRUE(captions.contains(part)) << "the help page names \"" << part.toStdString()
                                                 << "\", which the program does not show";
        }
    }
    EXPECT_GT(named, 40);
    // The captions the page named before they were renamed.
    for (const char *gone : {"With this on Page 0 is always drawn", "Save Project", "Open Project"})
        EXPECT_FALSE(html.contains(QString::fromLatin1(gone))) << gone;
}
