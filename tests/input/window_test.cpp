// One check on a real X window: keys and clicks from the X test tools reach
// the polled state with the right codes and characters.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// A private X server on a display number it chose itself, so that tests and
// other X servers on the machine never collide.
class PrivateXServer {
  public:
    PrivateXServer() {
        int ready[2];
        if (pipe(ready) != 0) return;
        const std::string fd = std::to_string(ready[1]);
        const char* argv[] = {"Xvfb",       "-displayfd", fd.c_str(), "-screen", "0",
                              "800x600x24", "-nolisten",  "tcp",      nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addclose(&actions, ready[0]);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        if (posix_spawnp(&pid_, "Xvfb", &actions, nullptr, const_cast<char**>(argv), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(ready[1]);
        // The number may come in pieces; it is complete at its newline.
        std::string number;
        char c = 0;
        while (pid_ > 0 && read(ready[0], &c, 1) == 1 && c != '\n') number += c;
        close(ready[0]);
        if (c == '\n' && !number.empty()) display_ = ":" + number;
    }
    ~PrivateXServer() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;

    const std::string& display() const { return display_; } // empty when it failed

  private:
    pid_t pid_ = -1;
    std::string display_;
};

std::map<std::string, std::string> run_probe(const std::string& display, std::string& output) {
    const std::string command = "DISPLAY=" + display + " SDL_VIDEODRIVER=x11 " WINDOW_PROBE;
    std::map<std::string, std::string> values;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return values;
    char line[256];
    while (fgets(line, sizeof line, pipe)) {
        output += line;
        std::string text(line);
        const auto space = text.find(' ');
        if (space == std::string::npos) continue;
        values[text.substr(0, space)] = text.substr(space + 1, text.size() - space - 2);
    }
    const int status = pclose(pipe);
    values["exit"] = std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    return values;
}

} // namespace

TEST(RealWindow, KeysAndClicksFromTheWindowSystemReachThePolledState) {
    PrivateXServer server;
    ASSERT_FALSE(server.display().empty()) << "Xvfb did not start";
    std::string output;
    auto seen = run_probe(server.display(), output);
    SCOPED_TRACE(output);
    EXPECT_EQ(seen["exit"], "0");
    EXPECT_EQ(seen["hit_a"], "1");
    EXPECT_EQ(seen["hit_b"], "1");
    EXPECT_EQ(seen["hit_shift_left"], "1");
    EXPECT_EQ(seen["typed"], "97,66");
    EXPECT_EQ(seen["hit_enter"], "1");
    EXPECT_EQ(seen["hit_backspace"], "1");
    EXPECT_EQ(seen["hit_minus"], "1");
    EXPECT_EQ(seen["hit_equals"], "1");
    EXPECT_EQ(seen["control_typed"], "13,8,45,61");
    EXPECT_EQ(seen["hit_shift_right"], "1");
    EXPECT_EQ(seen["hit_shift_left_after_right"], "0");
    EXPECT_EQ(seen["hit_shift_generic"], "0");
    EXPECT_EQ(seen["mouse_hit_left"], "1");
    EXPECT_EQ(seen["key_hit_1"], "0");
    EXPECT_EQ(seen["mouse_x"], "50");
    EXPECT_EQ(seen["mouse_y"], "60");
    EXPECT_EQ(seen["waited_key"], "67");
    EXPECT_EQ(seen["waited_under_2s"], "1");
}
