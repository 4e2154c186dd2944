#include "document/Document.h"
#include "support/ExampleDocuments.h"
#include "support/FileFixtures.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using FileFixtures::writeFile;

namespace {

struct ProgramResult {
    int status = -1;
    QByteArray out, err;
};

class ScriptExportCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root = dir.path() + "/";
        writeFile(root + "DATA/BUTTONS/okay.Cs", "F7\r\nF8\r\n");
        Document::saveProjectFile(root + "example.SDF", ExampleDocuments::onePageDialog());
    }

    ProgramResult run(const QStringList &args, const QString &workingDir = QString())
    {
        QProcess p;
        p.setWorkingDirectory(workingDir.isEmpty() ? root : workingDir);
        p.start(QStringLiteral(QUILLMARK_SCRIPT_BINARY), args);
        EXPECT_TRUE(p.waitForFinished(30000));
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
                p.readAllStandardError()};
    }

    QTemporaryDir dir;
    QString root;
};

} // namespace

TEST_F(ScriptExportCommandTest, PrintsTheScriptInEitherDialect)
{
    const ProgramResult recent = run({"export", "example.SDF", "--name", "testgump"});
    EXPECT_EQ(recent.status, 0) << recent.err.toStdString();
    EXPECT_EQ(recent.out, "[DIALOG testgump]\n50, 50\nnomove\nPAGE 0\nresizepic 0 0 9200 300 200\n"
                          "gumppic 20 30 500\ntext 40 50 1152 0\nbutton 100 150 247 248 1 0 1\n\n"
                          "[DIALOG testgump TEXT]\nHello\n\n\n[DIALOG testgump BUTTON]\non=1\ndialogclose\n\n");
    EXPECT_TRUE(recent.err.isEmpty());

    const ProgramResult old = run({"export", root + "example.SDF", "--name=testgump", "--dialect", "48e - 51a",
                         "--data", root}, QDir::tempPath());
    EXPECT_EQ(old.status, 0) << old.err.toStdString();
    EXPECT_EQ(old.out, "[GUMP testgump]\n50, 50\nPAGE 0\nresizepic 0 0 9200 300 200\n"
                       "gumppic 20 30 500\ntext 40 50 1152 0\nbutton 100 150 247 248 1 0 1\n\n"
                       "[GUMP testgump TEXT]\nHello\n\n\n[GUMP testgump BUTTON]\nONBUTTON=1\ndialogclose\n\n");
}

TEST_F(ScriptExportCommandTest, LocationOptionPlacesADesignWithoutOne)
{
    writeFile(root + "plain.SDF", "{BOP\r\n0\r\ntext\r\n1\r\n2\r\n0\r\nCaf\xE9\r\n}EOP\r\n");
    const ProgramResult r = run({"export", "plain.SDF", "--name", "d_plain", "--location", "120,80"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "[DIALOG d_plain]\n120, 80\nPAGE 0\ntext 1 2 0 0\n\n[DIALOG d_plain TEXT]\nCaf\xC3\xA9\n\n\n"
                     "[DIALOG d_plain BUTTON]\n\n");
    EXPECT_EQ(FileFixtures::readFile(root + "plain.SDF"), "{BOP\r\n0\r\ntext\r\n1\r\n2\r\n0\r\nCaf\xE9\r\n}EOP\r\n");

    EXPECT_TRUE(run({"export", "plain.SDF", "--name", "d"}).out.startsWith("[DIALOG d]\n0, 0\nPAGE 0\n"));
}

TEST_F(ScriptExportCommandTest, BadInputFailsWithTheMessageOnStandardError)
{
    struct Case {
        QStringList args;
        int status;
        QByteArray message;
    };
    writeFile(root + "DATA/buttons/hex.cs", "F7\r\nXY\r\n");
    QStringList notHex = ExampleDocuments::onePageDialog();
    notHex[20] = "hex.bmp";
    Document::saveProjectFile(root + "notHex.SDF", notHex);
    QStringList noDecoder = notHex;
    noDecoder[20] = "gone.bmp";
    Document::saveProjectFile(root + "noDecoder.SDF", noDecoder);

    const std::vector<Case> cases{
        {{"export", "missing.SDF", "--name", "a"}, 1, "Cannot open file missing.SDF"},
        {{"export", "noDecoder.SDF", "--name", "a"}, 1, "Cannot open file " + root.toUtf8() + "DATA/buttons/gone.CS"},
        {{"export", "notHex.SDF", "--name", "a"}, 1, "'0xXY' is not a valid integer value"},
        {{"export", "example.SDF"}, 2, "missing --name"},
        {{"export", "example.SDF", "--name", "a", "--dialect", "56b"}, 2, "--dialect must be"},
        // The usage names the dialects as the option takes them.
        {{"export", "example.SDF", "--name", "a", "--dialect", "56b"}, 2,
         "usage: quillmark-script export FILE.SDF --name NAME [--dialect \"55i - 99g\"|\"48e - 51a\"]"},
        {{"export", "example.SDF", "--name", "a", "--location", "1;2"}, 2, "--location needs X,Y"},
        {{"export", "example.SDF", "--name", "a", "--colour", "red"}, 2, "unknown option --colour"},
        {{"export", "example.SDF", "--name"}, 2, "--name needs a value"},
        {{"export", "--name", "a"}, 2, "exactly one design file"},
        {{"frobnicate"}, 2, "unknown command frobnicate"},
        {{}, 2, "usage: quillmark-script"},
    };
    for (const Case &c : cases) {
        const ProgramResult r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << c.args.join(' ').toStdString(); // nothing shown on failure
    }
}

// The current server reads scripts as UTF-8; old servers sent bytes as they stood.
TEST_F(ScriptExportCommandTest, WritesTheLettersInTheDialectsEncoding)
{
    Document::saveProjectFile(root + "cafe.SDF", {"{BOP", "0", "text", "1", "2", "0", QStringLiteral("Caf\u00e9"),
                                                  "}EOP", "LOCATION", "0", "0", "MISC", "0", "0"});
    const struct { QStringList options; int status; QByteArray holds; } cases[] = {
        {{}, 0, "\nCaf\xc3\xa9\n"},
        {{"--encoding", "8-bit"}, 0, "\nCaf\xe9\n"},
        {{"--dialect", "48e - 51a"}, 0, "\nCaf\xe9\n"},
        {{"--dialect", "48e - 51a", "--encoding=UTF-8"}, 0, "\nCaf\xc3\xa9\n"},
        {{"--encoding", "latin-2"}, 2, ""},
    };
    for (const auto &c : cases) {
        const ProgramResult r = run(QStringList{"export", "cafe.SDF", "--name", "d"} + c.options);
        EXPECT_EQ(r.status, c.status) << c.options.join(u' ').toStdString() << r.err.toStdString();
        EXPECT_TRUE(r.out.contains(c.holds)) << c.options.join(u' ').toStdString();
    }
}
