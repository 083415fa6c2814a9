#pragma once
// A second copy of the program working on the same directory: this test
// program started again in the working directory, its report thrown away,
// running only `test`, a DISABLED_ test that ordinary runs leave out. The
// other copy calls OtherCopy::started() first; the constructor returns once
// it has.
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
extern char** environ;
#endif

class OtherCopy {
public:
    explicit OtherCopy(const std::string& test)
    {
        std::string filter = "--gtest_filter=" + test, disabled = "--gtest_also_run_disabled_tests";
#ifdef _WIN32
        std::wstring self(32768, L'\0');
        self.resize(::GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
        const std::string arguments = " " + filter + " " + disabled;
        std::wstring command = L"\"" + self + L"\"" + std::wstring(arguments.begin(), arguments.end());
        SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = ::CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherited, OPEN_EXISTING, 0, nullptr);
        startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
        PROCESS_INFORMATION process{};
        const bool made =
            ::CreateProcessW(self.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
        ::CloseHandle(startup.hStdOutput);
        ::CloseHandle(process.hThread);
        process_ = process.hProcess;
#else
        const std::string self = std::filesystem::read_symlink("/proc/self/exe");
        char* argv[] = {const_cast<char*>(self.c_str()), filter.data(), disabled.data(), nullptr};
        posix_spawn_file_actions_t quiet;
        ::posix_spawn_file_actions_init(&quiet);
        ::posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
        const bool made = ::posix_spawn(&process_, self.c_str(), &quiet, nullptr, argv, environ) == 0;
        ::posix_spawn_file_actions_destroy(&quiet);
#endif
        if (!made)
            throw std::runtime_error("the other copy did not start");
        std::error_code notYet;
        while (!std::filesystem::remove(kStarted, notYet) && !ended(false))
            std::this_thread::yield();
    }
    ~OtherCopy() { stop(); }
    OtherCopy(const OtherCopy&) = delete;
    OtherCopy& operator=(const OtherCopy&) = delete;

    static void started() { std::ofstream{kStarted}; }

    // The other copy's exit code, once it has ended.
    int wait()
    {
        ended(true);
        return exitCode_;
    }
    void stop()
    {
        if (ended(false))
            return;
#ifdef _WIN32
        ::TerminateProcess(process_, 1);
#else
        ::kill(process_, SIGKILL);
#endif
        ended(true);
    }

private:
    static constexpr const char* kStarted = "other-copy.started";

    bool ended(bool waiting)
    {
#ifdef _WIN32
        DWORD code = 1;
        if (process_ && ::WaitForSingleObject(process_, waiting ? INFINITE : 0) == WAIT_TIMEOUT)
            return false;
        if (process_ && ::GetExitCodeProcess(process_, &code) && ::CloseHandle(process_))
            exitCode_ = static_cast<int>(code);
        process_ = nullptr;
#else
        int status = 0;
        if (process_ && ::waitpid(process_, &status, waiting ? 0 : WNOHANG) == 0)
            return false;
        if (process_)
            exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        process_ = 0;
#endif
        return true;
    }

#ifdef _WIN32
    HANDLE process_ = nullptr;
#else
    pid_t process_ = 0;
#endif
    int exitCode_ = -1;
};
