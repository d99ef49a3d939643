// The help page's own form: one line of XHTML that links to the maker's page.
#include <gtest/gtest.h>

#include <string>

#include "resources/HelpPageText.h"
#include "resources/ProgramIdentity.h"

namespace evenkeeper::test {
namespace {

std::string linkTarget(const std::string& page) {
    const std::string start = "<a href=\"";
    const std::size_t at = page.find(start);
    if (at == std::string::npos) return "";
    const std::size_t from = at + start.size();
    return page.substr(from, page.find('"', from) - from);
}

TEST(HelpPageText, IsOneLineOfAsciiXhtmlThatLinksToTheMakersPage) {
    const std::string& page = helpPageText();
    EXPECT_EQ(page.find_first_of("\r\n"), std::string::npos);
    for (char c : page) EXPECT_TRUE(c >= 0x20 && c < 0x7F) << int(static_cast<unsigned char>(c));
    EXPECT_EQ(page.rfind("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\"", 0), 0u);
    EXPECT_EQ(page.substr(page.size() - 7), "</html>");
    EXPECT_NE(page.find("<title>Evenkeeper info</title>"), std::string::npos);
    EXPECT_NE(page.find(std::string("<cite>") + kNoticeLine + "</cite>"), std::string::npos);
    EXPECT_EQ(linkTarget(page), kHomePage);
}

}  // namespace
}  // namespace evenkeeper::test
