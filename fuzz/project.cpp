// One input is a project file. It is loaded, walked by the document's scans
// the commands use, and saved again: what a save writes loads back as the
// same lines.
#include "document/Document.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QStringList lines = Document::parseProjectText(FuzzInput::bytes(data, size));
    Document doc(lines);
    for (int i = 0; i < doc.size(); ++i) {
        const int length = doc.recordLengthAt(i);
        FuzzInput::check(length >= 0 && i + length <= doc.size() + 8);
        if (doc.kindAt(i) != ElementKind::None)
            FuzzInput::check(!doc.recordAt(i).isEmpty());
        (void)doc.pageOfLine(i);
    }
    const QString firstPage = doc.size() > 1 ? doc.line(1) : QStringLiteral("0");
    (void)doc.pageStarts(firstPage);
    const QList<int> ends = doc.pageEnds(firstPage);
    for (const int end : ends)
        FuzzInput::check(end >= 0 && end < doc.size());
    FuzzInput::check(Document::parseProjectText(Document::projectText(lines)) == lines);
    doc.setLocation(QStringLiteral("10"), QStringLiteral("20"));
    doc.setWindowFlags(true, false);
    FuzzInput::check(doc.lastLocationLine() >= 0 && doc.lastMiscLine() >= 0);
    // The lines all arrive, and a new page is a page: a record the file ends
    // inside of is completed first instead of taking the bracket in.
    const int before = doc.size();
    const bool hadPage = doc.hasPage(QStringLiteral("7"));
    doc.appendToPage(QStringLiteral("7"), {QStringLiteral("gumppic"), QStringLiteral("1"), QStringLiteral("2"),
                                           QStringLiteral("1F4.bmp")});
    FuzzInput::check(doc.size() >= before + 4 && (hadPage || doc.size() >= before + 7));
    FuzzInput::check(doc.hasPage(QStringLiteral("7")));
    return 0;
}
