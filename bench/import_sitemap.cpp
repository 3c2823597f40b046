#include "import/ImportSource.h"

#include <benchmark/benchmark.h>

#include <string>

namespace pickwell {
namespace {

// A site generator's sitemap of `pages` addresses in ten sections, with the dates and
// priorities such files carry.
std::string Sitemap(int pages) {
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n";
    for (int i = 0; i < pages; ++i) {
        xml += "  <url>\n    <loc>https://www.example.org/section-" + std::to_string(i % 10) +
               "/a-page-about-item-" + std::to_string(i) +
               ".html</loc>\n    <lastmod>2024-05-01</lastmod>\n"
               "    <priority>0.5</priority>\n  </url>\n";
    }
    return xml + "</urlset>\n";
}

void ParseSitemapOfUrls(benchmark::State& state) {
    const std::string xml = Sitemap(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        ImportedItems items = ParseImport(ImportFormat::Sitemap, xml, "/site/sitemap.xml", "");
        benchmark::DoNotOptimize(items);
    }
    state.SetLabel(std::to_string(xml.size() / 1024) + " KiB");
}
BENCHMARK(ParseSitemapOfUrls)->Arg(50000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pickwell
