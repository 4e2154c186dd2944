#include "SampleProject.h"

#include "document/Document.h"
#include "document/RecordWalker.h"

namespace SampleProject {

namespace {

QStringList gumppic(int x, int y, const QString &file)
{
    return {Records::wordOf(ElementKind::Gumppic), QString::number(x), QString::number(y), file};
}

QStringList resizepic(int x, int y, const QString &file, int width, int height)
{
    return {Records::wordOf(ElementKind::Resizepic), QString::number(x), QString::number(y), file,
            QString::number(width), QString::number(height)};
}

QStringList text(int x, int y, int hue, const QString &words)
{
    return {Records::wordOf(ElementKind::Text), QString::number(x), QString::number(y), QString::number(hue), words};
}

QStringList button(int x, int y, const QString &file, bool closes, int page, const QString &events = {})
{
    return {Records::wordOf(ElementKind::Button), QString::number(x), QString::number(y), file,
            closes ? QStringLiteral("1") : QStringLiteral("0"), QString::number(page),
            events.isEmpty() ? QStringLiteral("0") : QStringLiteral("1"), events};
}

} // namespace

QStringList lines()
{
    Document doc(Document::newDocumentLines(QStringLiteral("0")));
    const auto add = [&doc](const QString &page, const QStringList &record) { doc.appendToPage(page, record); };
    const QString p0 = QStringLiteral("0"), p1 = QStringLiteral("1"), p2 = QStringLiteral("2");

    // Page 0 lies beneath every page: the window, its title and the closing buttons.
    add(p0, resizepic(0, 0, QStringLiteral("9200.bmp"), 420, 320));
    add(p0, gumppic(110, 12, QStringLiteral("E00.bmp")));
    add(p0, text(150, 18, 1153, QStringLiteral("Traveller's Guild")));
    add(p0, gumppic(20, 20, QStringLiteral("D00.bmp")));
    add(p0, gumppic(90, 56, QStringLiteral("A10.bmp")));
    add(p0, button(250, 282, QStringLiteral("okay.bmp"), true, 0,
                   QStringLiteral("SRC.SYSMESSAGE Welcome to the guild!\r\nSRC.NEWGOLD 10")));
    add(p0, button(330, 282, QStringLiteral("cancel.bmp"), true, 0));

    // Page 1: who you are. Texts hold no ":", which the text window warns against.
    add(p1, resizepic(24, 76, QStringLiteral("9300.bmp"), 372, 196));
    add(p1, gumppic(44, 92, QStringLiteral("C01.bmp")));
    add(p1, gumppic(34, 82, QStringLiteral("C00.bmp")));
    add(p1, text(150, 96, 1101, QStringLiteral("Aldric the Bold")));
    add(p1, text(150, 122, 0, QStringLiteral("Journeyman of the guild")));
    add(p1, text(150, 148, 995, QStringLiteral("Skills 7 of 12")));
    add(p1, gumppic(150, 180, QStringLiteral("A12.bmp")));
    add(p1, gumppic(150, 196, QStringLiteral("A00.bmp")));
    add(p1, gumppic(180, 196, QStringLiteral("A01.bmp")));
    add(p1, gumppic(210, 196, QStringLiteral("A02.bmp")));
    add(p1, text(246, 198, 455, QStringLiteral("3 gems")));
    add(p1, button(360, 234, QStringLiteral("arrow right.bmp"), false, 2));

    // Page 2: what you carry.
    add(p2, resizepic(24, 76, QStringLiteral("9270.bmp"), 372, 196));
    add(p2, text(44, 90, 1152, QStringLiteral("Your pack")));
    const char *icons[] = {"B00.bmp", "B01.bmp", "B02.bmp", "B03.bmp", "B04.bmp", "B05.bmp"};
    for (int i = 0; i < 6; ++i)
        add(p2, gumppic(44 + i * 54, 120, QString::fromLatin1(icons[i])));
    add(p2, text(44, 176, 1345, QStringLiteral("Gold coins 1,250")));
    add(p2, text(44, 200, 95, QStringLiteral("Weight 42/400 stones")));
    add(p2, gumppic(84, 238, QStringLiteral("F01.bmp")));
    add(p2, text(110, 236, 1350, QStringLiteral("Keep my pack locked")));
    add(p2, button(44, 236, QStringLiteral("arrow left.bmp"), false, 1));
    // Events run only for a button that closes the dialog: the client sends no reply otherwise.
    add(p2, button(356, 236, QStringLiteral("gem.bmp"), true, 0, QStringLiteral("SRC.SYSMESSAGE Pack sorted.")));

    doc.setLocation(QStringLiteral("50"), QStringLiteral("50"));
    doc.setWindowFlags(false, false);
    return doc.lines();
}

void write(const QString &path)
{
    Document::saveProjectFile(path, lines());
}

} // namespace SampleProject
