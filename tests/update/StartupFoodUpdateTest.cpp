#include "net/support/ScriptedServer.h"
#include "support/TestDiet.h"
#include "update/StartupFoodUpdate.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const CDateTime kToday = CDateTime::FromDate(2026, 3, 4);

/// A diet started on `dir` with ServerURL set and the given since date.
std::unique_ptr<CLeanlogApp> AppWithServer(const CTempDataDir& dir, const std::string& serverUrl)
{
    auto app = StartFirstDiet(dir, Answers(2026, 1, 1, 150));
    app->Settings().Set(kServerUrlSetting, serverUrl);
    app->Settings().Set(kLastFoodCatDlDateSetting, "2/1/2026");
    app->Settings().Set(kTimeoutSetting, 2000);
    return app;
}

std::string Since(CLeanlogApp& app)
{
    return app.Settings().Get(kLastFoodCatDlDateSetting);
}

} // namespace

TEST(StartupFoodUpdate, BothStepsAskForWhatIsNewSinceTheStoredDateAndThenMoveIt)
{
    CScriptedServer server({OkReply("0100\nDairy\n"), OkReply("Milk\n0100\nx\n1\n1 cup\n244\ng\n" + std::string(19, '\n'))});
    CTempDataDir dir;
    auto app = AppWithServer(dir, "http://127.0.0.1:" + std::to_string(server.Port()) + "/");

    const SStartupFoodUpdate result = UpdateFoodTableAtStart(*app, kToday);
    EXPECT_TRUE(result.online);
    EXPECT_EQ(result.categories.added, 1);
    EXPECT_EQ(result.items.added, 1);
    EXPECT_EQ(app->m_strLastFoodCatDlDate, "2/1/2026");
    EXPECT_EQ(Since(*app), "03/04/2026");
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].rfind("GET /leanlog/getnewfoodcatrecs.asp?pastdate=2/1/2026 HTTP/1.1\r\n", 0), 0u);
    EXPECT_EQ(requests[1].rfind("GET /leanlog/getnewfooditemrecs.asp?pastdate=2/1/2026 HTTP/1.1\r\n", 0), 0u);
    EXPECT_NE(requests[1].find("\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows 98) Postwatch/0.3)\r\n"),
              std::string::npos);
    EXPECT_NE(requests[1].find("\r\nAccept: */*\r\n"), std::string::npos);
}

// A failed step's and a bad reply's date are leanlog-cli update-foods' (tests/e2e).
TEST(StartupFoodUpdate, OfflineTheDateStays)
{
    CTempDataDir dir;
    auto offline = AppWithServer(dir, "");
    EXPECT_FALSE(UpdateFoodTableAtStart(*offline, kToday).online);
    EXPECT_FALSE(offline->m_bOnline);
    EXPECT_EQ(Since(*offline), "2/1/2026");
    EXPECT_EQ(offline->m_strLastFoodCatDlDate, "2/1/2026");
}
