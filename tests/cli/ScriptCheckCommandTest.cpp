#include "document/Document.h"
#include "support/ExampleDocuments.h"
#include "support/FileFixtures.h"
#include "support/SyntheticArt.h"
#include "support/SyntheticClient.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using FileFixtures::writeFile;

namespace {

struct CheckRun {
    int status = -1;
    QByteArray out, err;
};

class ScriptCheckCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root = dir.path() + "/";
        using namespace SyntheticArt;
        SyntheticArt::writeFile(root, "DATA/1F4.bmp", bmpBytes(solid(10, 10, qRgb(9, 9, 9))));
        SyntheticArt::writeFile(root, "DATA/buttons/okay.bmp", bmpBytes(solid(10, 10, qRgb(9, 9, 9))));
        writeFile(root + "DATA/buttons/okay.CS", "F7\r\nF8\r\n");
        for (int k = 0; k < 9; ++k)
            writeFile(root + QStringLiteral("DATA/resizepic/") + QString::number(k) + "9200.bm", bmpBytes(solid(2, 2, 0)));
        Document::saveProjectFile(root + "clean.SDF", ExampleDocuments::onePageDialog());
    }

    CheckRun run(const QStringList &args)
    {
        QProcess p;
        p.setWorkingDirectory(root);
        p.start(QStringLiteral(QUILLMARK_SCRIPT_BINARY), QStringList{"check"} + args);
        EXPECT_TRUE(p.waitForFinished(30000));
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
                p.readAllStandardError()};
    }

    QTemporaryDir dir;
    QString root;
};

} // namespace

TEST_F(ScriptCheckCommandTest, CleanDesignPrintsNothingAndExitsZero)
{
    const CheckRun r = run({"clean.SDF"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
}

TEST_F(ScriptCheckCommandTest, PicturesTheClientHoldsAreThere)
{
    QStringList lines = ExampleDocuments::onePageDialog();
    lines[11] = "2A.bmp";   // the gumppic's picture, not in DATA/
    Document::saveProjectFile(root + "client.SDF", lines);
    const auto [index, data] = SyntheticClient::mul({{0x2A, 1, 1, {0x7C00}}});
    writeFile(root + "client/gumpidx.mul", index);
    writeFile(root + "client/gumpart.mul", data);

    const CheckRun without = run({"client.SDF"});
    EXPECT_TRUE(without.out.contains("picture 2A is missing from the art library")) << without.out.toStdString();
    const CheckRun with = run({"client.SDF", "--client", root + "client"});
    EXPECT_EQ(with.status, 0) << with.out.toStdString() << with.err.toStdString();
    // A folder without gump art is refused.
    EXPECT_EQ(run({"client.SDF", "--client", root + "DATA"}).status, 1);
}

TEST_F(ScriptCheckCommandTest, ProblemsComeAsCompilerLinesSortedByLineAndStable)
{
    QStringList lines = ExampleDocuments::onePageDialog();
    lines[20] = "gone.bmp";  // button art and decoder missing (kind word on line 18)
    lines[16] = "  ";        // a text of blanks (line 13)
    lines[9] = "010";        // gumppic X (line 9)
    Document::saveProjectFile(root + "faulty.SDF", lines);

    const CheckRun first = run({"faulty.SDF", "--data", root});
    EXPECT_EQ(first.status, 1) << first.err.toStdString();
    const QList<QByteArray> out = first.out.split('\n');
    ASSERT_EQ(out.size(), 5) << first.out.toStdString(); // four lines and the end
    EXPECT_TRUE(out[0].startsWith("faulty.SDF:9: warning: gumppic: X \"010\""));
    EXPECT_TRUE(out[1].startsWith("faulty.SDF:13: warning: text: the text is only blanks"));
    EXPECT_TRUE(out[2].startsWith("faulty.SDF:18: error: button: button decoder DATA/buttons/gone.CS"));
    EXPECT_TRUE(out[3].startsWith("faulty.SDF:18: warning: button: picture gone is missing from the art library"));
    EXPECT_EQ(run({"faulty.SDF", "--data", root}).out, first.out);
}

TEST_F(ScriptCheckCommandTest, WrongCommandLineExitsTwoAndUnreadableFileOne)
{
    EXPECT_EQ(run({}).status, 2);
    EXPECT_EQ(run({"a.SDF", "b.SDF"}).status, 2);
    EXPECT_EQ(run({"clean.SDF", "--colour"}).status, 2);
    const CheckRun missing = run({"missing.SDF"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_TRUE(missing.err.contains("missing.SDF")) << missing.err.toStdString();
}

TEST_F(ScriptCheckCommandTest, TheDialectOptionNamesTheKindsItCannotWrite)
{
    // An htmlgump inserted before the page's end: line 26 of the file.
    const QStringList dialog = ExampleDocuments::onePageDialog();
    const QStringList lines =
        dialog.mid(0, 25) + QStringList{"htmlgump", "10", "160", "100", "30", "0", "0", "Hello"} + dialog.mid(25);
    Document::saveProjectFile(root + "html.SDF", lines);

    const struct { QStringList options; int status; bool named; } cases[] = {
        {{}, 0, false},                                  // the default has htmlgump
        {{"--dialect", "48e - 51a"}, 1, true},
        {{"--dialect=48e - 51a"}, 1, true},
        {{"--dialect", "48e-51a"}, 2, false},            // spelt as export spells it, or refused
    };
    for (const auto &c : cases) {
        const CheckRun r = run(QStringList{"html.SDF"} + c.options);
        const std::string what = c.options.join(' ').toStdString();
        EXPECT_EQ(r.status, c.status) << what << r.out.toStdString() << r.err.toStdString();
        EXPECT_EQ(r.out.contains("html.SDF:26: warning: htmlgump: dialect 48e - 51a has no htmlgump"), c.named)
            << what << r.out.toStdString();
        if (c.status == 2)
            EXPECT_TRUE(r.err.contains("--dialect")) << what << r.err.toStdString();
    }
}
