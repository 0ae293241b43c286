// The gallery's command line: what it accepts, what it refuses with one clear line, and the program's own
// exit status for a refusal (it must fail before it ever needs a display).
#include "GalleryOptions.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

using gallery::GalleryOptions;
using Action = GalleryOptions::Action;

const std::string kSkin = std::string(TAXI_BINARY_DIR) + "/test.skin";

struct ProgramRun {
    int status = -1;
    std::string output;
};

// Runs the program with the arguments, standard output and error together.
ProgramRun RunProgram(const std::string& arguments) {
    ProgramRun run;
    const std::string command = std::string("'") + SKINGALLERY_PROGRAM + "' " + arguments + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 256> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe))
        run.output += buffer.data();
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(GalleryOptions, NothingMeansTheBuiltInSkin) {
    const GalleryOptions options = GalleryOptions::Parse({});
    EXPECT_EQ(options.What(), Action::Run);
    EXPECT_TRUE(options.SkinFile().empty());
    EXPECT_FALSE(options.NoSkin());
}

TEST(GalleryOptions, AnExistingPackageOrNoSkinIsAccepted) {
    const GalleryOptions file = GalleryOptions::Parse({kSkin});
    EXPECT_EQ(file.What(), Action::Run);
    EXPECT_EQ(file.SkinFile(), kSkin);
    const GalleryOptions none = GalleryOptions::Parse({"--no-skin"});
    EXPECT_EQ(none.What(), Action::Run);
    EXPECT_TRUE(none.NoSkin());
}

TEST(GalleryOptions, HelpWinsOverEverythingElse) {
    EXPECT_EQ(GalleryOptions::Parse({"--help"}).What(), Action::Help);
    EXPECT_EQ(GalleryOptions::Parse({"--bogus", "--help"}).What(), Action::Refuse);
    EXPECT_EQ(GalleryOptions::Parse({"/no/such.skin", "-h"}).What(), Action::Help);
    EXPECT_NE(GalleryOptions::Usage().find("--no-skin"), std::string::npos);
    EXPECT_NE(GalleryOptions::Usage().find("F5"), std::string::npos);
}

TEST(GalleryOptions, BadCommandLinesAreRefusedNamingWhatIsWrong) {
    struct Case {
        std::vector<std::string> arguments;
        std::string mentions;
    };
    const Case cases[] = {
        {{"--bogus"}, "--bogus"},
        {{"-x"}, "-x"},
        {{"/no/such/file.skin"}, "/no/such/file.skin"},
        {{TAXI_BINARY_DIR}, TAXI_BINARY_DIR}, // a folder is not a package
        {{kSkin, kSkin}, "more than one"},
        {{"--no-skin", kSkin}, "--no-skin"},
    };
    for (const Case& c : cases) {
        const GalleryOptions options = GalleryOptions::Parse(c.arguments);
        EXPECT_EQ(options.What(), Action::Refuse) << c.mentions;
        EXPECT_NE(options.Error().find(c.mentions), std::string::npos) << options.Error();
        EXPECT_EQ(options.Error().find('\n'), std::string::npos) << options.Error();
    }
}

TEST(GalleryProgram, RefusesWithStatusTwoAndOneLine) {
    for (const char* arguments : {"--frobnicate", "/no/such/file.skin"}) {
        const ProgramRun run = RunProgram(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.output.rfind("skingallery: ", 0), 0u) << run.output;
        EXPECT_EQ(run.output.find('\n'), run.output.size() - 1) << run.output;
    }
}

TEST(GalleryProgram, HelpGoesToStandardOutputAndSucceeds) {
    const ProgramRun run = RunProgram("--help");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.output.find("Usage: skingallery"), std::string::npos);
}

} // namespace
