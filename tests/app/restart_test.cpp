// The restart script, run for real with a stand-in for the program.
#include "app/restart.h"
#include "app/script_launch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include <sys/stat.h>

namespace dalmiro {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

TEST(RestartScript, WaitsAtLeastOneSecond) {
    struct Case {
        int requested;
        const char* sleep;
        const char* ping;
    };
    const Case cases[] = {
        {0, "sleep 1\n", "-n 1 >nul"},
        {-4, "sleep 1\n", "-n 1 >nul"},
        {1, "sleep 1\n", "-n 1 >nul"},
        {5, "sleep 5\n", "-n 5 >nul"},
    };
    for (const Case& c : cases) {
        EXPECT_NE(RestartShellScript("/p", {}, c.requested).find(c.sleep), std::string::npos);
        EXPECT_NE(RestartBatchScript("C:\\p.exe", {}, c.requested).find(c.ping), std::string::npos);
    }
}

TEST(RestartScript, BatchFollowsTheFourLineTemplate) {
    EXPECT_EQ(RestartBatchScript("C:\\Program Files\\Dalmiro\\dalmiro.exe", {"--simulator"}, 1),
              "@echo off \r\n@ping 127.0.0.1 -n 1 >nul\r\n"
              "start \"\" \"C:\\Program Files\\Dalmiro\\dalmiro.exe\" \"--simulator\"\r\n"
              "del \"%~f0\"");
}

TEST(RestartScript, BatchKeepsPercentSignsAndQuotesOfAnArgument) {
    const std::string script =
        RestartBatchScript("C:\\d.exe", {"--maker", "http://m.example/?q=%20\"x\""}, 1);
    EXPECT_NE(script.find("start \"\" \"C:\\d.exe\" \"--maker\" "
                          "\"http://m.example/?q=%%20\\\"x\\\"\"\r\n"),
              std::string::npos)
        << script;
}

TEST(RestartScript, IsWrittenPrivately) {
    const std::string path = WritePrivateScript("echo private\n", ".sh");
    ASSERT_FALSE(path.empty());
    const std::string other = WritePrivateScript("echo other\n", ".sh");
    EXPECT_NE(path, other);
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(ReadFile(path), "echo private\n");
    fs::remove(path);
    fs::remove(other);
}

// A directory with spaces holding a stand-in program that writes its arguments, one a line.
class RestartRun : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "dalmiro restart XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        fs::create_directory(root_ / "my programs");
        program_ = root_ / "my programs" / "stand in";
        output_ = root_ / "arguments.txt";
        std::ofstream script(program_);
        script << "#!/bin/sh\n"
               << "out='" << output_.string() << "'\n"
               << "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$out.part\"\n"
               << "mv \"$out.part\" \"$out\"\n";
        script.close();
        fs::permissions(program_, fs::perms::owner_all);
    }
    void TearDown() override { fs::remove_all(root_); }

    // Waits for the stand-in to have run (the script sleeps its one second first).
    bool WaitForOutput() const {
        for (int i = 0; i < 300 && !fs::exists(output_); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        return fs::exists(output_);
    }

    fs::path root_;
    fs::path program_;
    fs::path output_;
};

TEST_F(RestartRun, StartsTheProgramWithItsOptionsAndDeletesItself) {
    const std::vector<std::string> args{"--maker", "http://m.example/a b", "it's \"quoted\" $HOME",
                                        ""};
    const std::string script = LaunchRestartScript(program_.string(), args, 0);
    ASSERT_FALSE(script.empty());
    ASSERT_TRUE(WaitForOutput());
    EXPECT_EQ(ReadFile(output_), "--maker\nhttp://m.example/a b\nit's \"quoted\" $HOME\n\n");
    EXPECT_FALSE(fs::exists(script));
}

TEST_F(RestartRun, AMissingProgramStartsNothingAndLeavesNoScript) {
    // The launch itself succeeds; the script still removes itself when exec fails.
    const std::string script = LaunchRestartScript((root_ / "gone").string(), {}, 1);
    ASSERT_FALSE(script.empty());
    for (int i = 0; i < 300 && fs::exists(script); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(fs::exists(script));
    EXPECT_FALSE(fs::exists(output_));
}

} // namespace
} // namespace dalmiro
