#include "app/Settings.h"
#include "net/support/ScriptedServer.h"
#include "support/TempDataDir.h"
#include "update/DownloadName.h"
#include "update/ProgramUpdates.h"
#include "update/ReleaseArchive.h"

#include <gtest/gtest.h>
#include <openssl/evp.h>
#include <openssl/pem.h>

#include <chrono>
#include <filesystem>
#include <thread>
#include <vector>

namespace {

const std::string kOld = "0001.0001.0005";
const std::string kNew = "0001.0001.0006";

/// An Ed25519 key pair made for one test: signs, and gives its public PEM.
class CTestKey
{
public:
    CTestKey() : m_key(EVP_PKEY_Q_keygen(nullptr, nullptr, "ED25519")) {}
    ~CTestKey() { EVP_PKEY_free(m_key); }
    std::string PublicPem() const
    {
        BIO* bio = BIO_new(BIO_s_mem());
        PEM_write_bio_PUBKEY(bio, m_key);
        char* data = nullptr;
        const long size = BIO_get_mem_data(bio, &data);
        std::string pem(data, static_cast<size_t>(size));
        BIO_free(bio);
        return pem;
    }
    std::string Sign(const std::string& data) const
    {
        std::string signature(64, '\0');
        size_t size = signature.size();
        EVP_MD_CTX* context = EVP_MD_CTX_new();
        EVP_DigestSignInit(context, nullptr, nullptr, nullptr, m_key);
        EVP_DigestSign(context, reinterpret_cast<unsigned char*>(signature.data()), &size,
                       reinterpret_cast<const unsigned char*>(data.data()), data.size());
        EVP_MD_CTX_free(context);
        return signature;
    }

private:
    EVP_PKEY* m_key;
};

struct SUpdatesFixture
{
    CTempDataDir dir;
    CSettings settings{dir.Folder().SettingsFile()};
    CTestKey key;
    CProgramUpdates Updates(const CScriptedServer& server)
    {
        return CProgramUpdates(settings, dir.Path(), server.Url(), SHttpClientOptions{}, key.PublicPem());
    }
};

std::string VersionReply(const std::string& version, const std::string& file)
{
    return "GOOD<" + version + ">[" + file + "]";
}

} // namespace

TEST(ProgramUpdates, VersionReplyMarkersAreFoundInOrder)
{
    struct
    {
        const char* body;
        std::optional<SVersionReply> expected;
    } cases[] = {
        {"junk GOOD x<0001.0001.0006> y[NewFile.prc] z", SVersionReply{"0001.0001.0006", "NewFile.prc"}},
        {"<0001>[a]GOOD<0002>[b]", SVersionReply{"0002", "b"}},   // markers before GOOD do not count
        {"GOOD[NewFile.prc]<0001.0001.0006>", std::nullopt},      // file before version
        {"GOOD<0001.0001.0006>[NewFile.prc", std::nullopt},
        {"good<0001.0001.0006>[NewFile.prc]", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto reply = ParseVersionReply(c.body);
        ASSERT_EQ(reply.has_value(), c.expected.has_value()) << c.body;
        if (reply) {
            EXPECT_EQ(reply->version, c.expected->version) << c.body;
            EXPECT_EQ(reply->file, c.expected->file) << c.body;
        }
    }
}

TEST(ProgramUpdates, OnlyPlainNamesBecomeFiles)
{
    for (const std::string& name : std::vector<std::string>{"", ".", "..", "../Leanlog.prc", "a\\b", std::string("a\0b", 3), "a\x7f", "a\nb",
                                   std::string(101, 'a')})
        EXPECT_FALSE(IsPlainDownloadName(name)) << name;
    EXPECT_TRUE(IsPlainDownloadName(std::string(100, 'a')));
    EXPECT_TRUE(IsPlainDownloadName("..Leanlog.prc"));
}

TEST(ProgramUpdates, AHandheldFileIsStoredRecordedAndQueuedOnlyAfterAWholeDownload)
{
    struct
    {
        std::string serverVersion;
        std::string file;
        std::string download;   // raw reply to the file request
        bool taken;
        const char* why;
    } cases[] = {
        {kNew, "New.prc", Page("prc bytes"), true, "one higher: taken"},
        {kOld, "New.prc", Page("prc bytes"), false, "equal version: nothing downloaded"},
        {kNew, "../New.prc", Page("prc bytes"), false, "a name outside the folder"},
        {kNew, "New.prc", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nprc", false, "cut download"},
        {kNew, "New.prc", "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nprc bytes", false, "error status"},
    };
    for (const auto& c : cases) {
        SUpdatesFixture f;
        WriteFileBytes(f.dir.File("Leanlog.prc"), "old prc");
        std::filesystem::create_directories(f.dir.File("Handheld/Zed"));
        std::filesystem::create_directories(f.dir.File("Handheld/Ann"));
        CScriptedServer server({OkReply(VersionReply(c.serverVersion, c.file)), Reply(c.download)});
        auto updates = f.Updates(server);
        updates.CheckPrcUpdate();

        EXPECT_EQ(ReadFileBytes(f.dir.File("Leanlog.prc")), c.taken ? "prc bytes" : "old prc") << c.why;
        EXPECT_EQ(updates.PrcVersion(), c.taken ? kNew : kOld) << c.why;
        EXPECT_EQ(f.settings.Get(kPrcVersionSetting), c.taken ? kNew : kOld) << c.why;
        EXPECT_EQ(std::filesystem::exists(f.dir.File("Handheld/Ann/Install/Leanlog.prc")), c.taken) << c.why;
        EXPECT_FALSE(std::filesystem::exists(f.dir.File("Handheld/Zed/Install"))) << c.why;
        EXPECT_EQ(server.Requests().size(), c.serverVersion == kNew && c.file[0] != '.' ? 2u : 1u) << c.why;
    }
}

TEST(ProgramUpdates, AProgramUpdateIsPendingOnlyWithAVerifiedSignatureAndAskedOnce)
{
    SUpdatesFixture f;
    const std::string archive = "LEANLOG-RELEASE 1\nFILE leanlog 3\nnew\nEND\n";
    CTestKey other;
    const struct
    {
        std::string signatureReply;
        bool pending;
        const char* why;
    } cases[] = {
        {Page(other.Sign(archive)), false, "signed by another key"},
        {"HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n", false, "no signature"},
        {Page(f.key.Sign(archive + " ")), false, "signature of other bytes"},
        {Page(f.key.Sign(archive)), true, "signed by the trusted key"},
    };
    for (const auto& c : cases) {
        CScriptedServer server({OkReply(VersionReply(kNew, "Update.dat")), OkReply(archive), Reply(c.signatureReply)});
        auto updates = f.Updates(server);
        updates.CheckExeUpdate();
        EXPECT_EQ(updates.UpdatePending(), c.pending) << c.why;
        EXPECT_EQ(std::filesystem::exists(f.dir.File("LeanlogUpdate.dat")), c.pending) << c.why;
        EXPECT_EQ(std::filesystem::exists(f.dir.File("LeanlogUpdate.dat.sig")), c.pending) << c.why;
        EXPECT_EQ(updates.ExitStep().start, c.pending) << c.why;
        if (!c.pending)
            continue;
        const auto requests = server.Requests();
        EXPECT_EQ(requests[0].rfind("GET /Leanlog/getlatestexeversion.asp?user=&ItemNum=4 HTTP/1.1\r\n", 0), 0u);
        EXPECT_EQ(requests[2].rfind("GET /leanlog/Update.dat.sig HTTP/1.1\r\n", 0), 0u);

        EXPECT_TRUE(updates.TakeNewVersionQuestion());
        EXPECT_FALSE(updates.TakeNewVersionQuestion());
        EXPECT_FALSE(updates.Answer(ENewVersionAnswer::InstallOnExit));
        EXPECT_TRUE(updates.Answer(ENewVersionAnswer::InstallNow));
        const SUpdaterStart start = updates.ExitStep();
        EXPECT_TRUE(start.start && start.autorun);
        EXPECT_EQ(start.dataDir, f.dir.Path());
        EXPECT_EQ(f.settings.Get(kExeVersionSetting), kNew);
        EXPECT_FALSE(updates.Answer(ENewVersionAnswer::AskAgain));
        EXPECT_FALSE(updates.ExitStep().start);
    }
    EXPECT_EQ(f.settings.Get(kExeVersionSetting), kNew);
}

TEST(ProgramUpdates, ReleaseArchivesHoldOnlyOurProgramsWhole)
{
    const std::string head(kReleaseArchiveMagic);
    std::string why;
    const auto good = ParseReleaseArchive(head + "FILE leanlog 3\na\nb\nFILE leanlog-cli 0\n\nEND\n", why);
    ASSERT_TRUE(good);
    ASSERT_EQ(good->programs.size(), 2u);
    EXPECT_EQ(good->programs[0].bytes, "a\nb");
    for (const std::string& bad : std::vector<std::string>{
             head + "FILE ../leanlog 1\nx\nEND\n",                    // a path
             head + "FILE sh 1\nx\nEND\n",                            // not ours
             head + "FILE leanlog 1\nx\nFILE leanlog 1\ny\nEND\n",    // twice
             head + "FILE leanlog 5\nx\nEND\n",                       // size beyond the end
             head + "FILE leanlog 1\nx\nEND\nFILE leanlog-cli 1\ny\n", // after the end
             head + "FILE leanlog 1\nx\n",                            // cut before the end
             head + "END\n",
         })
        EXPECT_FALSE(ParseReleaseArchive(bad, why)) << bad;
}

TEST(ProgramUpdates, TheUpdaterStartsDetachedWithItsArgumentsAndEnvironment)
{
    CTempDataDir programs;
    const std::string record = programs.File("record");
    WriteFileBytes(programs.File("leanlog-updater"),
                   "#!/bin/sh\necho \"$* $LEANLOG_DATA_DIR $LEANLOG_UPDATER_WAIT_PID\" > " + record + ".new\n"
                   "mv " + record + ".new " + record + "\n");
    std::filesystem::permissions(programs.File("leanlog-updater"), std::filesystem::perms::owner_all);
    StartUpdater(programs.Path(), true, "/data dir");
    for (int i = 0; i < 100 && !std::filesystem::exists(record); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(ReadFileBytes(record), "autorun /data dir " + std::to_string(getpid()) + "\n");
}
