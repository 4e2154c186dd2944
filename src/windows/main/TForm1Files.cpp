// What every desktop editor has around its files: the recent files, files
// dropped on the window, the keys of the File and Help menus; and where the
// client's screen lies on the canvas and tool windows on the screen.
#include "document/DocumentCommands.h"
#include "platform/IniFile.h"
#include "platform/NumberText.h"
#include "platform/RuntimeError.h"
#include "windows/main/TForm1.h"
#include "windows/options/TForm12.h"
#include "windows/widgets/EventGuard.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QUrl>

#include <algorithm>

namespace {

enum class Dropped { Design, Script, Other };

Dropped droppedKind(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QStringLiteral("sdf"), Qt::CaseInsensitive) == 0)
        return Dropped::Design;
    if (suffix.compare(QStringLiteral("scp"), Qt::CaseInsensitive) == 0)
        return Dropped::Script;
    return Dropped::Other;
}

// The first local design or script among the dropped files.
QString droppedFile(const QMimeData *data)
{
    if (!data)
        return QString();
    for (const QUrl &url : data->urls())
        if (url.isLocalFile() && droppedKind(url.toLocalFile()) != Dropped::Other)
            return url.toLocalFile();
    return QString();
}

} // namespace

void TForm1::buildFileExtras()
{
    RecentMenu = new QMenu(QStringLiteral("Recent Files"), FileMenu);
    RecentMenu->setObjectName(QStringLiteral("RecentMenu"));
    FileMenu->insertMenu(BuildArtLibrary1, RecentMenu);
    FileMenu->insertSeparator(BuildArtLibrary1);
    EventGuard::connect(RecentMenu, &QMenu::aboutToShow, this, &TForm1::showRecentMenu);
    showRecentMenu();

    // Spelt out: not every desktop gives these standard keys a binding.
    SaveAs1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    Exit1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    Help1->setShortcut(QKeySequence(Qt::Key_F1));
    setAcceptDrops(true);
}

void TForm1::readRecent()
{
    m_recent.read(IniFile(Form12->Location.path));
    showRecentMenu();
}

void TForm1::rememberRecent(const QString &path)
{
    m_recent.add(path);
    try {
        IniFile file(Form12->Location.path);
        m_recent.write(file);
    } catch (const RuntimeError &e) {
        Label8->setText(QStringLiteral("The recent files list was not kept: ") + e.message());
    }
    showRecentMenu();
}

// Files that are gone leave the list with a word in the status line.
void TForm1::showRecentMenu()
{
    const QStringList gone = m_recent.dropMissing();
    if (!gone.isEmpty()) {
        QStringList names;
        for (const QString &path : gone)
            names << QFileInfo(path).fileName();
        Label8->setText(QStringLiteral("No longer there, taken off the recent files: ") + names.join(QStringLiteral(", ")));
        try {
            IniFile file(Form12->Location.path);
            m_recent.write(file);
        } catch (const RuntimeError &) {
            // The list is shown right; the file catches up at the next open or save.
        }
    }
    RecentMenu->clear();
    int number = 0;
    for (const QString &path : m_recent.files()) {
        QAction *entry = RecentMenu->addAction(QStringLiteral("&%1 %2").arg(++number).arg(QFileInfo(path).fileName()));
        entry->setToolTip(path);
        entry->setStatusTip(path);
        EventGuard::connect(entry, &QAction::triggered, this, [this, path] { openRecent(path); });
    }
    if (m_recent.files().isEmpty())
        RecentMenu->addAction(QStringLiteral("(none yet)"))->setEnabled(false);
}

void TForm1::openRecent(const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        showRecentMenu();   // drops it, with the word
        return;
    }
    if (!mayDiscardChanges())
        return;
    openDesign(path);
}

void TForm1::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

// A design opens and a script goes to the import window, each after "Save changes?".
void TForm1::dropEvent(QDropEvent *event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    EventGuard::run([this, path] {
        if (droppedKind(path) == Dropped::Script) {
            importScript(path);   // the import asks about unsaved work itself
        } else if (mayDiscardChanges()) {
            openDesign(path);
        }
    });
}

std::optional<QRect> TForm1::clientScreen() const
{
    const Settings &s = Form12->Options;
    if (s.screenWidth <= 0 || s.screenHeight <= 0)
        return std::nullopt;
    // The dialog's location is where its origin lands on the screen.
    QPoint origin;
    if (const auto location = DocumentCommands::location(m_state))
        origin = QPoint(NumberText::parseOr(location->x, 0), NumberText::parseOr(location->y, 0));
    return QRect(-origin, QSize(s.screenWidth, s.screenHeight));
}

// Beside the main window's right edge, kept whole on its screen.
void TForm1::placeBesideWindow(QWidget *tool)
{
    const QScreen *screen = this->screen();
    const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QRect frame = frameGeometry();
    const QSize size = tool->size().boundedTo(room.size());
    QPoint at(frame.right() + 8, frame.top());
    if (at.x() + size.width() > room.right())
        at.setX(frame.right() - size.width() - 8);
    at.setX(std::clamp(at.x(), room.left(), room.right() - size.width()));
    at.setY(std::clamp(at.y(), room.top(), room.bottom() - size.height()));
    tool->move(at);
}
