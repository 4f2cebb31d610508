#include "support/RunProcess.h"

#include "support/TempDataDir.h"

#include <fcntl.h>
#include <semaphore.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <stdexcept>

extern char** environ;

namespace {

std::string ReadAndClose(std::FILE* file)
{
    std::string text;
    std::rewind(file);
    char buffer[65536];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, n);
    std::fclose(file);
    return text;
}

/// libfaketime, preloaded, makes a semaphore and a shared-memory file named
/// after the process id unless FAKETIME_SHARED names a pair already made,
/// and exits when a killed run left a file of that name behind. This pair
/// has a random name, made with O_EXCL, so it never meets a stale one.
class CFakeClockShm
{
public:
    CFakeClockShm()
    {
        std::random_device random;
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string suffix = std::to_string(getpid()) + "_" + std::to_string(random());
            m_sem = "/leanlog_test_sem_" + suffix;
            m_shm = "/leanlog_test_shm_" + suffix;
            sem_t* sem = sem_open(m_sem.c_str(), O_CREAT | O_EXCL, 0600, 1);
            if (sem == SEM_FAILED)
                continue;
            sem_close(sem);
            const int fd = shm_open(m_shm.c_str(), O_CREAT | O_EXCL | O_RDWR, 0600);
            // Room for the library's shared counters, all zero.
            if (fd >= 0 && ftruncate(fd, 4096) == 0) {
                close(fd);
                return;
            }
            if (fd >= 0)
                close(fd);
            sem_unlink(m_sem.c_str());
        }
        throw std::runtime_error(std::string("cannot make the fake clock's shared memory: ") + std::strerror(errno));
    }
    ~CFakeClockShm()
    {
        sem_unlink(m_sem.c_str());
        shm_unlink(m_shm.c_str());
    }
    std::string Env() const { return "FAKETIME_SHARED=" + m_sem + " " + m_shm; }

private:
    std::string m_sem;
    std::string m_shm;
};

std::string Prepended(const char* name, const std::string& value, const char* separator)
{
    const char* old = std::getenv(name);
    return std::string(name) + "=" + value + (old && *old ? separator + std::string(old) : "");
}

} // namespace

SProcessResult RunProcess(const std::vector<std::string>& argv, const std::vector<std::string>& env)
{
    std::vector<std::string> vars;
    for (char** e = environ; *e; ++e)
        vars.emplace_back(*e);
    for (const auto& var : env) {
        const std::string name = var.substr(0, var.find('=') + 1);
        std::erase_if(vars, [&name](const std::string& old) { return old.rfind(name, 0) == 0; });
        vars.push_back(var);
    }
    std::vector<std::string> argCopy = argv;
    std::vector<char*> args, envp;
    for (auto& a : argCopy)
        args.push_back(a.data());
    args.push_back(nullptr);
    for (auto& v : vars)
        envp.push_back(v.data());
    envp.push_back(nullptr);

    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    if (!out || !err)
        throw std::runtime_error("tmpfile failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fileno(out), 1);
    posix_spawn_file_actions_adddup2(&actions, fileno(err), 2);
    SProcessResult result;
    pid_t pid = 0;
    int status = 0;
    if (const int rc = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), envp.data()))
        result.err = "cannot start " + argv[0] + ": " + std::strerror(rc);
    else if (waitpid(pid, &status, 0) == pid)
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    posix_spawn_file_actions_destroy(&actions);
    result.out = ReadAndClose(out);
    result.err += ReadAndClose(err);
    return result;
}

SProcessResult Cli(const CTempDataDir& dir, std::vector<std::string> args, const std::vector<std::string>& env)
{
    args.insert(args.begin(), {LEANLOG_CLI_PATH, "--data-dir", dir.Path()});
    return RunProcess(args, env);
}

SProcessResult CliAt(const std::string& now, const CTempDataDir& dir, std::vector<std::string> args)
{
    const CFakeClockShm shared;
    // "@": the clock starts at `now` and runs on. AddressSanitizer would
    // refuse a preloaded library ahead of its own.
    return Cli(dir, std::move(args),
               {Prepended("LD_PRELOAD", LEANLOG_FAKETIME_LIBRARY, ":"), "FAKETIME=@" + now, shared.Env(),
                Prepended("ASAN_OPTIONS", "verify_asan_link_order=0", ":")});
}
