#include "help/help_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<std::string> split(const std::string& text) {
  std::vector<std::string> lines{""};
  for (char c : text) {
    if (c == '\r') {
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  return lines;
}

TEST(HelpText, EighteenLinesAfterAnEmptyLine) {
  const std::string text = help::help_text();
  EXPECT_EQ(text.find('\n'), std::string::npos);
  const std::vector<std::string> expected = {
      "Step by Step Instructions for the Velmora:",
      "",
      "Click the cam timing tab",
      "Enter the adv dur for intake and exhaust",
      "Enter the LSA and the intake center of the cam install",
      "Click calculate",
      "Click the stroke calculator",
      "Enter the stroke",
      "Enter the rod length",
      "Click calculate",
      "Click the Compression ratio calculator tab",
      "Enter the number of cylinders and bore",
      "Click the check box 2 times to transfer the stroke from the stroke calculator",
      "Enter the cc of chamber and headgasket data",
      "Enter the piston cc and click whether dished or domed",
      "Click calculate. This displays the Static CR.",
      "Click the check box to make the check mark visible. This transfers the Dynamic Stroke "
      "Length to the box",
      "Click calculate",
      "Read the green number at the bottom of the page. This is the DCR.",
  };
  EXPECT_EQ(split(text), expected);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 18);
}

TEST(AboutText, TwoLinesEndingWithTheVersion) {
  const std::string text = help::about_text();
  const std::vector<std::string> lines = split(text);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_NE(lines[0].find("Velmora developers"), std::string::npos);
  EXPECT_NE(lines[1].find("2026"), std::string::npos);
  const std::string version = "Version " VELMORA_VERSION;  // project(VERSION) in CMakeLists.txt
  ASSERT_GE(text.size(), version.size());
  EXPECT_EQ(text.substr(text.size() - version.size()), version);
  EXPECT_EQ(text.find('\n'), std::string::npos);
  // The package's copyright file gives the same rights notice.
  std::ifstream file(VELMORA_COPYRIGHT_FILE);
  const std::string copyright{std::istreambuf_iterator<char>(file), {}};
  EXPECT_NE(copyright.find(lines[1].substr(0, lines[1].find(" Version"))), std::string::npos);
}

}  // namespace
