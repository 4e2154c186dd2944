// Cost of laying out a long HTML gump text in the bitmap font, and of a full
// warm render of a page that mixes every element kind.
#include "BenchFont.h"
#include "render/HtmlLayout.h"

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

} // namespace

QUILLMARK_GUI_BENCHMARK_MAIN()
