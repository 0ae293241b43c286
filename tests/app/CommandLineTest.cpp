// What the program does with its command line and TAXI_SCALE.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

using taxi::CommandLine;

TEST(CommandLine, NothingGivenRunsAsBefore) {
    const CommandLine line = CommandLine::Parse({});
    EXPECT_EQ(line.What(), CommandLine::Action::Run);
    EXPECT_EQ(line.Scale(nullptr, nullptr), 0) << "the screen's density decides";
}

TEST(CommandLine, HelpAndVersionWinWhereverTheyStand) {
    EXPECT_EQ(CommandLine::Parse({"--help"}).What(), CommandLine::Action::Help);
    EXPECT_EQ(CommandLine::Parse({"-h"}).What(), CommandLine::Action::Help);
    EXPECT_EQ(CommandLine::Parse({"--scale", "2", "--version"}).What(), CommandLine::Action::Version);
}

TEST(CommandLine, ScaleComesFromTheOptionThenTheEnvironment) {
    std::string warning;
    EXPECT_EQ(CommandLine::Parse({"--scale", "3"}).Scale("2", &warning), 3);
    EXPECT_EQ(CommandLine::Parse({"--scale=4"}).Scale(nullptr, &warning), 4);
    EXPECT_EQ(CommandLine::Parse({}).Scale("2", &warning), 2);
    EXPECT_EQ(warning, "");
}

TEST(CommandLine, BadInputIsRefusedNamingWhatIsWrong) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--scale"}, "--scale needs"},
        {{"--scale", "0"}, "\"0\""},
        {{"--scale", "5"}, "\"5\""},
        {{"--scale", "2.5"}, "\"2.5\""},
        {{"--scale", "-1"}, "\"-1\""},
        {{"--scale="}, "--scale \"\""},
        {{"--skin"}, "--skin needs"},
        {{"--skin="}, "--skin needs"},
        {{"--scael", "2"}, "option \"--scael\""},
        {{"file.mdb"}, "argument \"file.mdb\""},
    };
    for (const auto& [arguments, named] : cases) {
        const CommandLine line = CommandLine::Parse(arguments);
        EXPECT_EQ(line.What(), CommandLine::Action::Refuse) << arguments[0];
        EXPECT_NE(line.Error().find(named), std::string::npos) << line.Error();
    }
}

TEST(CommandLine, SkinFileIsTakenAsGivenBesideOtherOptions) {
    EXPECT_EQ(CommandLine::Parse({}).SkinFile(), "");
    const CommandLine apart = CommandLine::Parse({"--skin", "my skins/olive.skin", "--scale", "2"});
    EXPECT_EQ(apart.What(), CommandLine::Action::Run);
    EXPECT_EQ(apart.SkinFile(), "my skins/olive.skin");
    EXPECT_EQ(apart.Scale(nullptr, nullptr), 2);
    EXPECT_EQ(CommandLine::Parse({"--skin=/tmp/a.skin"}).SkinFile(), "/tmp/a.skin");
    EXPECT_EQ(CommandLine::Parse({"--skin", "--scale"}).SkinFile(), "--scale") << "the next word is the file";
}

TEST(CommandLine, BadEnvironmentScaleIsIgnoredWithAWarning) {
    for (const char* value : {"0", "9", "two", " 2", "2x"}) {
        std::string warning;
        EXPECT_EQ(CommandLine::Parse({}).Scale(value, &warning), 0) << value;
        EXPECT_NE(warning.find(std::string("\"") + value + "\""), std::string::npos) << warning;
    }
    std::string warning;
    EXPECT_EQ(CommandLine::Parse({}).Scale("", &warning), 0);
    EXPECT_EQ(warning, "");
}
