#include "check/LinkSyntax.h"

#include <gtest/gtest.h>

namespace pickwell {
namespace {

struct SyntaxCase {
    const char* name;
    const char* address;
    LinkKind kind;
    const char* problem; // empty: the address looks right
};

class LinkSyntaxTest : public ::testing::TestWithParam<SyntaxCase> {};

TEST_P(LinkSyntaxTest, ReadsTheAddressAsABrowserWould) {
    const SyntaxCase& c = GetParam();
    const LinkSyntaxResult result = CheckLinkSyntax(c.address);
    EXPECT_EQ(c.kind, result.kind);
    EXPECT_EQ(c.problem, result.problem);
    EXPECT_EQ(result.problem.empty(), result.detail.empty()) << result.detail;
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, LinkSyntaxTest,
    ::testing::Values(
        SyntaxCase{"Https", "https://example.com/a.html", LinkKind::Web, ""},
        SyntaxCase{"SchemeInCapitals", "HTTP://example.com", LinkKind::Web, ""},
        SyntaxCase{"SchemeRelative", "//example.com/a", LinkKind::Web, ""},
        SyntaxCase{"RelativePage", "books/index.html", LinkKind::Relative, ""},
        SyntaxCase{"RootRelative", "/books/", LinkKind::Relative, ""},
        SyntaxCase{"PageWithQuery", "find.php?q=a:b", LinkKind::Relative, ""},
        SyntaxCase{"Fragment", "#top", LinkKind::Other, ""},
        SyntaxCase{"Telephone", "tel:+441234", LinkKind::Other, ""},
        SyntaxCase{"Mail", "mailto:us@example.com?subject=Hi", LinkKind::Mail, ""},
        SyntaxCase{"Empty", "", LinkKind::Empty, "empty address"},
        SyntaxCase{"SpaceInside", "htps://exa mple.com/a page.html", LinkKind::Other,
                   "space in the address"},
        SyntaxCase{"SpaceAround", " https://example.com", LinkKind::Other,
                   "spaces around the address"},
        SyntaxCase{"Backslash", "books\\index.html", LinkKind::Other, "backslash in the address"},
        SyntaxCase{"HtpsTypo", "htps://example.com", LinkKind::Web, "misspelt scheme \"htps:\""},
        SyntaxCase{"HttTypo", "htt://example.com", LinkKind::Web, "misspelt scheme \"htt:\""},
        SyntaxCase{"MailtoTypo", "mailot:us@example.com", LinkKind::Web,
                   "misspelt scheme \"mailot:\""},
        SyntaxCase{"UnknownScheme", "gopher://example.com", LinkKind::Other,
                   "unknown scheme \"gopher:\""},
        SyntaxCase{"ColonMissing", "https//example.com", LinkKind::Web,
                   "\":\" missing after the scheme"},
        SyntaxCase{"OneSlash", "http:/example.com", LinkKind::Web, "http: without //"},
        SyntaxCase{"NoHost", "https://", LinkKind::Web, "no host name"},
        SyntaxCase{"BareWww", "www.partner-books.co.uk", LinkKind::Relative,
                   "host without a scheme"},
        SyntaxCase{"BareDomainWithPath", "example.com/shop", LinkKind::Relative,
                   "host without a scheme"},
        SyntaxCase{"MailtoWithoutAddress", "mailto:", LinkKind::Mail, "mailto: without an address"},
        SyntaxCase{"MailtoOnlySubject", "mailto:?subject=Hi", LinkKind::Mail,
                   "mailto: without an address"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LinkSyntaxWarningTest, SaysNothingUntilThereIsSomethingToSay) {
    EXPECT_EQ("", LinkSyntaxWarning(""));
    EXPECT_EQ("", LinkSyntaxWarning("https://example.com"));
    EXPECT_EQ("space in the address: write %20 for a space in a file name.",
              LinkSyntaxWarning("a page.html"));
    EXPECT_EQ("misspelt scheme \"htps:\": did you mean \"https:\"?",
              LinkSyntaxWarning("htps://example.com"));
}

} // namespace
} // namespace pickwell
