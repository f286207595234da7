// The command line: split as CommandLineToArgvW splits it, read into the
// "Set Path" choices or a clear problem, and built back so that it splits to
// the same choices.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

using Args = std::vector<std::u16string>;

TEST(CommandLine, SplitsAsWindowsDoes)
{
    // The program's name ends at its closing quote; backslashes there are plain.
    EXPECT_EQ(Args {}, SplitCommandLine(u"\"C:\\Program Files\\Folvane.exe\""));
    EXPECT_EQ(Args {}, SplitCommandLine(u"Folvane.exe   "));
    EXPECT_EQ(Args { u"a" }, SplitCommandLine(u"\"C:\\x\\\"a"));
    EXPECT_EQ((Args { u"abc", u"d", u"e" }), SplitCommandLine(u"f \"abc\" d e"));
    EXPECT_EQ((Args { u"a\\\\\\b", u"de fg", u"h" }), SplitCommandLine(u"f a\\\\\\b d\"e f\"g h"));
    EXPECT_EQ((Args { u"a\\\"b", u"c", u"d" }), SplitCommandLine(u"f a\\\\\\\"b c d"));
    EXPECT_EQ((Args { u"a\\\\b c", u"d", u"e" }), SplitCommandLine(u"f a\\\\\\\\\"b c\" d e"));
    EXPECT_EQ((Args { u"", u"x" }), SplitCommandLine(u"f \"\"\t x"));
    // Three quotes in a row are one literal quote.
    EXPECT_EQ((Args { u"a\"b" }), SplitCommandLine(u"f \"a\"\"\"b\""));
    EXPECT_EQ((Args { u"ab\" c" }), SplitCommandLine(u"f a\"b\"\"\" c"));
    // An unclosed quote runs to the end.
    EXPECT_EQ((Args { u"C:\\My FSX " }), SplitCommandLine(u"f \"C:\\My FSX "));
}

TEST(CommandLine, ReadsTheChoices)
{
    EXPECT_FALSE(ParseCommandLine({}).given);
    const CommandLineRequest full = ParseCommandLine(
        SplitCommandLine(u"Folvane.exe /SET \"C:\\Program Files\\Microsoft Games\\FSX\\\\\" /cdrom e: /CurrentUser"));
    ASSERT_TRUE(full.valid) << full.problem;
    EXPECT_EQ(u"C:\\Program Files\\Microsoft Games\\FSX\\", full.choices.folder);
    EXPECT_EQ('E', full.choices.cdromDrive);
    EXPECT_TRUE(full.choices.currentUser);

    const CommandLineRequest plain = ParseCommandLine({ u"/set", u"D:\\FSX" });
    ASSERT_TRUE(plain.valid);
    EXPECT_EQ(0, plain.choices.cdromDrive);
    EXPECT_FALSE(plain.choices.currentUser);
    EXPECT_EQ('F', ParseCommandLine({ u"/cdrom", u"F:\\", u"/set", u"D:\\FSX" }).choices.cdromDrive);
}

TEST(CommandLine, NamesWhatIsWrong)
{
    auto problem = [](const std::u16string& line) {
        const CommandLineRequest request = ParseCommandLine(SplitCommandLine(u"Folvane.exe " + line));
        EXPECT_TRUE(request.given);
        EXPECT_FALSE(request.valid);
        EXPECT_EQ(u"", request.choices.folder);
        const std::string usage = "\r\n\r\nUse: Folvane.exe /set FOLDER [/cdrom DRIVE] [/currentuser]";
        EXPECT_EQ(usage, request.problem.substr(request.problem.size() - usage.size()));
        return request.problem.substr(0, request.problem.size() - usage.size());
    };
    EXPECT_EQ("The argument \"Files\\FSX\" is not known.\r\n"
              "A folder whose name has blanks must be in double quotes.",
        problem(u"/set C:\\Program Files\\FSX"));
    EXPECT_EQ("The argument \"/reset\" is not known.", problem(u"/reset"));
    EXPECT_EQ("The /set option needs a folder after it.", problem(u"/set"));
    EXPECT_EQ("The /set option needs a folder after it.", problem(u"/set /currentuser"));
    EXPECT_EQ("The /set option needs a folder after it.", problem(u"/set \"\""));
    EXPECT_EQ("The /cdrom option needs a drive letter after it, for example /cdrom E.", problem(u"/set C:\\ /cdrom"));
    EXPECT_EQ(
        "The /cdrom option needs a drive letter after it, for example /cdrom E.", problem(u"/set C:\\ /cdrom E:\\x"));
    EXPECT_EQ("The /cdrom option needs a drive letter after it, for example /cdrom E.", problem(u"/set C:\\ /cdrom 5"));
    EXPECT_EQ("The /cdrom and /currentuser options need /set FOLDER.", problem(u"/currentuser"));
    EXPECT_EQ("The /set option is given more than once.", problem(u"/set C:\\ /set D:\\"));
}

TEST(CommandLine, BuiltLineGivesBackTheSameChoices)
{
    for (const std::u16string folder : { u"C:\\FSX\\", u"C:\\Program Files\\FSX\\", u"D:\\a\\\\b \"c\"\\",
             u"E:\\\u00e9\u4e2d", u"C:\\tab\there\\\\" }) {
        const StartChoices choices { folder, 'E', true };
        const CommandLineRequest back
            = ParseCommandLine(SplitCommandLine(u"\"C:\\Folvane.exe\" " + CommandLineFor(choices)));
        ASSERT_TRUE(back.valid) << back.problem;
        EXPECT_EQ(folder, back.choices.folder);
        EXPECT_EQ('E', back.choices.cdromDrive);
        EXPECT_TRUE(back.choices.currentUser);
    }
    EXPECT_EQ(u"/set \"C:\\FSX\\\\\"", CommandLineFor({ u"C:\\FSX\\", 0, false }));
}

} // namespace
} // namespace folvane
