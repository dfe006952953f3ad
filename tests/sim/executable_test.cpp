// dalmiro-sim as merchants' testers run it: it prints its base URL on one line, takes the fault
// and announcement options, and stops cleanly when terminated.
#include <httplib.h>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Running {
    pid_t pid = -1;
    std::string firstLine;
};

// Starts the executable with its output on a pipe and reads the first line.
Running Launch(std::vector<std::string> args) {
    int fds[2];
    if (pipe(fds) != 0) {
        return {};
    }
    // The argument vector is built before the fork: the child only redirects and executes.
    args.insert(args.begin(), DALMIRO_SIM_EXECUTABLE);
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(fds[1]);
    Running r;
    r.pid = pid;
    char c = 0;
    while (read(fds[0], &c, 1) == 1 && c != '\n') {
        r.firstLine += c;
    }
    close(fds[0]);
    return r;
}

int Terminate(pid_t pid) {
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SimExecutable, PrintsItsBaseUrlServesWithOptionsAndStopsCleanly) {
    Running sim = Launch({"--port", "0", "--fault", "/sug=status:503", "--announce", "2.0"});
    ASSERT_GT(sim.pid, 0);
    const std::string prefix = "http://127.0.0.1:";
    ASSERT_EQ(sim.firstLine.rfind(prefix, 0), 0u) << sim.firstLine;
    int port = std::stoi(sim.firstLine.substr(prefix.size()));

    httplib::Client client("127.0.0.1", port);
    auto suggest = client.Get("/sug?q=a");
    ASSERT_TRUE(suggest);
    EXPECT_EQ(suggest->status, 503);
    auto notice = client.Get("/maker/notice.htm");
    ASSERT_TRUE(notice);
    EXPECT_NE(notice->body.find("[新版本号=V2.0]"), std::string::npos);

    EXPECT_EQ(Terminate(sim.pid), 0);
}

TEST(SimExecutable, RefusesBadOptions) {
    for (std::vector<std::string> args :
         {std::vector<std::string>{"--fault", "/sug=explode"},
          std::vector<std::string>{"--port", "70000"}, std::vector<std::string>{"--port", ""},
          std::vector<std::string>{"--colour"}}) {
        Running sim = Launch(args);
        ASSERT_GT(sim.pid, 0);
        EXPECT_EQ(sim.firstLine, "");
        int status = 0;
        waitpid(sim.pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << args[0];
    }
}

} // namespace
