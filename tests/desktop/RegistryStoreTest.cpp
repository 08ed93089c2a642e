#include "RegistryStore.h"
#include "PadLimits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const char kKey[] = "Software\\Korvell\\Mosvane\\4.1\\InspEnv";

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class RegistryStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        directory = fs::path(::testing::TempDir()) /
                    ("registry_" + std::to_string(::getpid()) + "_" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(directory);
        path = directory / "mosvane" / "registry.json";
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(directory / "mosvane", fs::perms::owner_all, ignored);
        fs::remove_all(directory, ignored);
    }

    std::vector<std::string> FilesInDirectory() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(path.parent_path()))
            names.push_back(entry.path().filename().string());
        return names;
    }

    fs::path directory;
    fs::path path;
};

TEST_F(RegistryStoreTest, ValuesPersistAcrossStores) {
    {
        RegistryStore store(path.string());
        EXPECT_FALSE(store.HasKey(kKey));
        EXPECT_TRUE(store.OpenKey(kKey));
        EXPECT_TRUE(store.Write(kKey, "InspArg", "0,100;4,-1"));
    }
    RegistryStore reopened(path.string());
    std::string value;
    EXPECT_TRUE(reopened.HasKey(kKey));
    ASSERT_TRUE(reopened.Read(kKey, "InspArg", value));
    EXPECT_EQ(value, "0,100;4,-1");
    EXPECT_TRUE(reopened.Read(std::string(kKey) + "\\", "InspArg", value))
        << "a trailing backslash names the same key";
    EXPECT_FALSE(reopened.Read(kKey, "Other", value));
    EXPECT_FALSE(reopened.Read("Software\\Nowhere", "InspArg", value));
    EXPECT_EQ(FilesInDirectory(), std::vector<std::string>{"registry.json"});
}

TEST_F(RegistryStoreTest, ByteStringsRoundTripWhateverTheirBytes) {
    const std::string values[] = {
        "",
        std::string("nul\0inside", 10),
        "\xFF\xFE\x80 not UTF-8",
        "\x83\x7B\x83\x5E\x83\x93",
        "UTF-8 ボタン",
        "\xED\xA0\x80 surrogate",
        "\xC0\xAF overlong",
        std::string(1, '\xE3'),
    };
    {
        RegistryStore store(path.string());
        for (size_t i = 0; i < std::size(values); ++i)
            ASSERT_TRUE(store.Write(kKey, "v" + std::to_string(i), values[i]));
    }
    RegistryStore reopened(path.string());
    for (size_t i = 0; i < std::size(values); ++i) {
        std::string read;
        ASSERT_TRUE(reopened.Read(kKey, "v" + std::to_string(i), read)) << i;
        EXPECT_EQ(read, values[i]) << i;
    }
    std::string file = Contents(path);
    EXPECT_NE(file.find("\"UTF-8 ボタン\""), std::string::npos) << "text stays readable";
    EXPECT_NE(file.find("\"base64\""), std::string::npos);
}

// A file that cannot be read or is no registry file is never written: a value stored in it
// by hand must survive the desktop.
TEST_F(RegistryStoreTest, AFileThatCannotBeReadOrParsedIsReportedOnceAndKept) {
    struct Case {
        const char* name;
        std::function<void(const fs::path&)> make;
        const char* problem;
    };
    auto text = [](const char* contents) {
        return [contents](const fs::path& file) { std::ofstream(file) << contents; };
    };
    const Case cases[] = {
        {"Truncated", text("{ \"key\": { \"name\": "), "is not a registry file (not JSON (1:"},
        {"Array", text("[1, 2]"), "not a JSON object"},
        {"KeyNotObject", text("{ \"key\": 3 }"), "key key does not hold an object"},
        {"TooDeep", text("{ \"key\": { \"name\": [[[[[[[[[[[[[[[[[[1]]]]]]]]]]]]]]]]]] } }"),
         "nested deeper than 16 levels"},
        {"DuplicateName", text("{ \"key\": { \"name\": \"a\", \"name\": \"b\" } }"),
         "is not a registry file (not JSON (duplicate key \"name\" in /key))"},
        {"DuplicateKey", text("{ \"key\": {}, \"other\": {}, \"key\": {} }"),
         "(not JSON (duplicate key \"key\" in /))"},
        {"Directory", [](const fs::path& file) { fs::create_directories(file / "inside"); },
         "cannot be read (not a regular file but a directory)"},
        {"Fifo", [](const fs::path& file) { ::mkfifo(file.c_str(), 0600); },
         "cannot be read (not a regular file but a FIFO)"},
        {"TooLarge",
         [](const fs::path& file) {
             std::ofstream(file).close();
             fs::resize_file(file, kRegistryFileLimit + 1);
         },
         "cannot be read (larger than the limit of 16 MiB)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(path.parent_path());
        fs::create_directories(path.parent_path());
        c.make(path);
        auto before = fs::symlink_status(path).type();
        std::string contents = fs::is_regular_file(path) ? Contents(path) : "";
        ::testing::internal::CaptureStderr();
        RegistryStore store(path.string());
        EXPECT_FALSE(store.Write(kKey, "InspArg", "fresh"));
        EXPECT_FALSE(store.Write(kKey, "Other", "fresh"));
        std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_NE(err.find(path.string() + ": "), std::string::npos) << err;
        EXPECT_NE(err.find(c.problem), std::string::npos) << err;
        EXPECT_FALSE(store.Refusal().empty());
        EXPECT_EQ(fs::symlink_status(path).type(), before);
        if (before == fs::file_type::regular && !fs::is_empty(path)) {
            EXPECT_EQ(Contents(path), contents);
        }
    }
}

TEST_F(RegistryStoreTest, AMalformedValueIsSkippedAndReportedAndTheRestIsKept) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << R"({ "Other\\Key": { "keep": "yes" },
        "Software\\Korvell\\Mosvane\\4.1\\InspEnv": {
            "Damaged": { "base64": "AP8" }, "InspArg": "0,100" } })";
    ::testing::internal::CaptureStderr();
    RegistryStore store(path.string());
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("value Damaged of key"), std::string::npos) << err;
    std::string value;
    EXPECT_FALSE(store.Read(kKey, "Damaged", value));
    ASSERT_TRUE(store.Read(kKey, "InspArg", value));
    EXPECT_EQ(value, "0,100");
    ASSERT_TRUE(store.Write(kKey, "InspArg", "1,0,-1"));
    EXPECT_NE(Contents(path).find(R"("AP8")"), std::string::npos) << "the damaged value stays";
    RegistryStore reopened(path.string());
    EXPECT_TRUE(reopened.Read("Other\\Key", "keep", value));
    EXPECT_TRUE(reopened.Read(kKey, "InspArg", value));
    EXPECT_EQ(value, "1,0,-1");
}

TEST_F(RegistryStoreTest, ASaveKeepsWhatOthersWroteMeanwhileAndOnlyChangesItsValue) {
    RegistryStore first(path.string());
    RegistryStore second(path.string());
    ASSERT_TRUE(second.Write("Other", "theirs", "2"));
    ASSERT_TRUE(first.Write(kKey, "InspArg", "1"));
    RegistryStore reopened(path.string());
    std::string value;
    EXPECT_TRUE(reopened.Read("Other", "theirs", value));
    EXPECT_TRUE(reopened.Read(kKey, "InspArg", value));
}

TEST_F(RegistryStoreTest, ASaveKeepsTheModeAndTheLinkAndRefusesAReadOnlyFile) {
    fs::path real = directory / "elsewhere" / "real.json";
    fs::create_directories(real.parent_path());
    fs::create_directories(path.parent_path());
    std::ofstream(real) << "{}";
    fs::permissions(real, fs::perms(0640));
    fs::create_symlink(real, path);
    RegistryStore store(path.string());
    ASSERT_TRUE(store.Write(kKey, "InspArg", "1"));
    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_EQ(fs::status(real).permissions(), fs::perms(0640));
    EXPECT_NE(Contents(real).find("InspArg"), std::string::npos);

    fs::permissions(real, fs::perms(0444));
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(store.Write(kKey, "InspArg", "2"));
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("is read-only"), std::string::npos);
    std::string value;
    EXPECT_TRUE(RegistryStore(path.string()).Read(kKey, "InspArg", value));
    EXPECT_EQ(value, "1");
}

// Saves killed at random moments leave a whole file, old or new, and their temporary files
// are gone once the next store starts. MV_KILLS sets the number of kills.
TEST_F(RegistryStoreTest, KilledSavesLoseNothingAndLeaveNoTemporaryFiles) {
    { RegistryStore(path.string()).Write("Other", "keep", "yes"); }
    // The user's own files beside the registry file, named as a user might: none is ours.
    const std::vector<std::string> userFiles = {"registry.json.bak",
                                                "registry.json.backup",
                                                "registry.json.old001",
                                                "registry.json.XXXXXX",
                                                ".registry.json.mvdesk-save-1234567",
                                                "registry.json.mvdesk-save-abc123"};
    for (const std::string& name : userFiles)
        std::ofstream(path.parent_path() / name) << "not ours";
    const char* kills = std::getenv("MV_KILLS");
    int count = kills != nullptr ? std::atoi(kills) : 20;
    std::mt19937 random(7);
    for (int kill = 0; kill < count; ++kill) {
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            RegistryStore store(path.string());
            for (int i = 0;; ++i)
                store.Write(kKey, "InspArg", std::string(static_cast<size_t>(i % 5000), 'x'));
        }
        ::usleep(static_cast<useconds_t>(random() % 20000));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        RegistryStore store(path.string());
        std::string value;
        ASSERT_TRUE(store.Read("Other", "keep", value)) << kill;
        ASSERT_TRUE(store.Refusal().empty()) << kill;
        std::vector<std::string> names = FilesInDirectory();
        std::sort(names.begin(), names.end());
        std::vector<std::string> expected = userFiles;
        expected.push_back("registry.json");
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(names, expected);
    }
}

TEST_F(RegistryStoreTest, AFailedWriteLeavesTheOldFileAndValues) {
    RegistryStore store(path.string());
    ASSERT_TRUE(store.Write(kKey, "InspArg", "old"));
    std::string before = Contents(path);

    // A size limit makes the write of the temporary file fail, even for the superuser.
    struct rlimit saved;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 64;
    // What the store says goes through a pipe, which no file-size limit holds back.
    int said[2];
    ASSERT_EQ(::pipe(said), 0);
    int savedStderr = ::dup(STDERR_FILENO);
    ::dup2(said[1], STDERR_FILENO);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    bool written = store.Write(kKey, "InspArg", std::string(4096, 'x'));
    bool writtenAgain = store.Write(kKey, "InspWidth", std::string(4096, 'y'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    std::fflush(stderr);
    ::dup2(savedStderr, STDERR_FILENO);
    ::close(savedStderr);
    ::close(said[1]);
    std::string text;
    char buffer[1024];
    for (ssize_t n; (n = ::read(said[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<size_t>(n));
    ::close(said[0]);

    EXPECT_FALSE(written);
    EXPECT_FALSE(writtenAgain);
    // One line for each failed save, naming the file and the cause.
    std::string line = "registry: " + path.string() +
                       ": cannot be written (File too large); settings are not saved\n";
    EXPECT_EQ(text, line + line);
    EXPECT_EQ(store.FailedSaves(), 2);
    EXPECT_EQ(Contents(path), before);
    std::string value;
    ASSERT_TRUE(store.Read(kKey, "InspArg", value));
    EXPECT_EQ(value, "old");
    EXPECT_EQ(FilesInDirectory(), std::vector<std::string>{"registry.json"})
        << "no temporary file is left behind";
}

TEST_F(RegistryStoreTest, AWriteIntoAnUnwritableDirectoryFails) {
    RegistryStore store(path.string());
    ASSERT_TRUE(store.Write(kKey, "InspArg", "old"));
    std::string before = Contents(path);
    fs::permissions(path.parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(path.parent_path().c_str(), W_OK) == 0)
        GTEST_SKIP() << "this user can write into any directory";
    EXPECT_FALSE(store.Write(kKey, "InspArg", "new"));
    EXPECT_EQ(Contents(path), before);
}

TEST_F(RegistryStoreTest, TheDefaultPathFollowsTheEnvironment) {
    struct EnvCase {
        const char* registry;
        const char* config;
        const char* home;
        std::string expected;
    };
    const EnvCase cases[] = {
        {"/tmp/explicit.json", "/cfg", "/home/u", "/tmp/explicit.json"},
        {nullptr, "/cfg", "/home/u", "/cfg/mosvane/registry.json"},
        {nullptr, nullptr, "/home/u", "/home/u/.config/mosvane/registry.json"},
        {"", "", "/home/u", "/home/u/.config/mosvane/registry.json"},
    };
    auto save = [](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    auto set = [](const char* name, const std::optional<std::string>& value) {
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    };
    auto savedRegistry = save("MVDESK_REGISTRY");
    auto savedConfig = save("XDG_CONFIG_HOME");
    auto savedHome = save("HOME");
    auto opt = [](const char* v) { return v ? std::optional<std::string>(v) : std::nullopt; };
    for (const EnvCase& env : cases) {
        set("MVDESK_REGISTRY", opt(env.registry));
        set("XDG_CONFIG_HOME", opt(env.config));
        set("HOME", opt(env.home));
        EXPECT_EQ(RegistryStore::DefaultPath(), env.expected);
    }
    set("MVDESK_REGISTRY", savedRegistry);
    set("XDG_CONFIG_HOME", savedConfig);
    set("HOME", savedHome);
}

} // namespace
