// Cost of laying out a long HTML gump text in the bitmap font, and of a full
// warm render of a page that mixes every element kind.
#include "BenchData.h"
#include "BenchFont.h"
#include "render/HtmlLayout.h"
#include "render/PageRenderer.h"
#include "support/SyntheticClient.h"

#include "GuiBenchmarkMain.h"

namespace {

// 2,000 characters of the markup real dialogs use: breaks, centring, bold
// and coloured runs between plain words.
QString longHtml()
{
    QString html;
    for (int i = 0; html.size() < 2000; ++i) {
        switch (i % 6) {
        case 0: html += QStringLiteral("<CENTER>Quest %1</CENTER>").arg(i); break;
        case 1: html += QStringLiteral("Travel north to the old mill and speak with the miller. "); break;
        case 2: html += QStringLiteral("<B>Reward:</B> 500 gold<BR>"); break;
        case 3: html += QStringLiteral("<BASEFONT COLOR=#FF8000>Beware of the wolves</BASEFONT> "); break;
        case 4: html += QStringLiteral("<DIV ALIGN=RIGHT>page %1</DIV>").arg(i); break;
        default: html += QStringLiteral("Return before nightfall, or the gate will be closed. ");
        }
    }
    return html.left(2000);
}

void BM_HtmlLayout2000Characters(benchmark::State &state)
{
    const TextConverter converter(benchFont());
    const QString html = longHtml();
    size_t lines = 0;
    for (auto _ : state) {
        const auto laidOut = HtmlLayout::layout(html, 300, converter, TextConverter::Mode::Perfect, 0);
        lines = laidOut.size();
        benchmark::DoNotOptimize(laidOut.data());
    }
    state.counters["characters"] = double(html.size());
    state.counters["lines"] = double(lines);
}
BENCHMARK(BM_HtmlLayout2000Characters)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

using BenchData::dataDir;

// 500 elements over a 1024 × 768 canvas, every kind in turn.
QStringList mixedPage()
{
    QStringList lines{"{BOP", "0"};
    for (int i = 0; i < 500; ++i) {
        const QString x = QString::number((i * 97) % 960), y = QString::number((i * 61) % 720);
        const QString w = QString::number(60 + (i * 13) % 140), h = QString::number(30 + (i * 7) % 90);
        const QString pic = QStringLiteral("%1.bmp").arg(0xA00 + i % 20, 0, 16).toUpper();
        switch (i % 14) {
        case 0: lines << "gumppic" << x << y << pic; break;
        case 1: lines << "resizepic" << x << y << "3000.bmp" << w << h; break;
        case 2: lines << "button" << x << y << "check.bmp" << "1" << "0" << "0" << ""; break;
        case 3: lines << "text" << x << y << "95" << QStringLiteral("Line %1").arg(i); break;
        case 4: lines << "htmlgump" << x << y << w << h << QString::number(i % 2) << QString::number(i / 2 % 2)
                      << QStringLiteral("<CENTER><B>Quest %1</B></CENTER>Travel north to the mill.").arg(i); break;
        case 5: lines << "croppedtext" << x << y << w << "20" << "95" << QStringLiteral("Cropped %1 text").arg(i); break;
        case 6: lines << "textentry" << x << y << w << "20" << "95" << QString::number(i) << "0" << "Name"; break;
        case 7: lines << "checkbox" << x << y << "check.bmp" << QString::number(i % 2) << QString::number(i); break;
        case 8: lines << "radio" << x << y << "check.bmp" << QString::number(i % 2) << QString::number(i) << "1"; break;
        case 9: lines << "gumppictiled" << x << y << w << h << pic; break;
        case 10: lines << "tilepic" << x << y << QString::number(i % 3) << QString::number(i % 2); break;
        case 11: lines << "checkertrans" << x << y << w << h; break;
        case 12: lines << "xmfhtmlgump" << x << y << w << h << "500" << "0" << "0" << "31744"; break;
        default: lines << "gumppichue" << x << y << pic << "1";
        }
    }
    return lines << "}EOP";
}

GameClient benchClient()
{
    QList<SyntheticClient::Gump> items;
    for (int n = 0; n < 3; ++n) {
        SyntheticClient::Gump item{n, 44, 44, {}};
        for (int p = 0; p < 44 * 44; ++p)
            item.pixels << quint16((p % 44 + p / 44) % 3 ? 0x7C00 + n : 0);
        items << item;
    }
    const auto [index, data] = SyntheticClient::itemMul(items);
    GameClient client;
    client.items = ItemArt::fromMul(ClientFile::fromBytes(index), ClientFile::fromBytes(data));
    client.hues = HuesFile::read(SyntheticClient::hues({{0x7C00, "Red"}}));
    client.cliloc = Cliloc::fromFile(ClientFile::fromBytes(SyntheticClient::cliloc({{500, "Localized text"}})));
    return client;
}

void BM_RenderMixedKindsWarm(benchmark::State &state)
{
    PageRenderer renderer(dataDir());
    renderer.textConverter().setFont(benchFont());
    renderer.setGameClient(benchClient());
    const QStringList lines = mixedPage();
    RenderOptions options;
    options.canvasSize = QSize(1024, 768);
    const RenderResult first = renderer.render(lines, options);
    for (auto _ : state)
        benchmark::DoNotOptimize(renderer.render(lines, options).page.constBits());
    state.counters["elements"] = double(first.selectEntries.size());
    state.counters["problems"] = double(first.problems.size());
}
BENCHMARK(BM_RenderMixedKindsWarm)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace

QUILLMARK_GUI_BENCHMARK_MAIN()
