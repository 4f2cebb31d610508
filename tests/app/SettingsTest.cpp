#include "app/LeanlogApp.h"
#include "app/Settings.h"
#include "support/TestDiet.h"
#include "update/ProgramUpdates.h"

#include <gtest/gtest.h>

#include <thread>

TEST(Settings, PortableModeKeepsThemInTheDataFolderAndTextsKeepTheirCharacters)
{
    CTempDataDir dir;
    const std::string text = "  Caf\xC3\xA9 = \"quoted\" \\ [x]  ";
    {
        CSettings settings(dir.Folder().SettingsFile());
        settings.Set(kTimeoutSetting, 1234);
        settings.SetText("BannerName", text);
    }
    const std::string file = ReadFileBytes(dir.File("Leanlog.ini"));
    EXPECT_NE(file.find("[Settings]"), std::string::npos) << file;
    EXPECT_NE(file.find("dwTimeout=1234"), std::string::npos) << file;
    const CSettings again(dir.Folder().SettingsFile());
    EXPECT_EQ(again.Get(kTimeoutSetting), 1234);
    EXPECT_EQ(again.GetText("BannerName", ""), text);
}

TEST(Settings, SafeFromSeveralThreads)
{
    CTempDataDir dir;
    CSettings settings(dir.Folder().SettingsFile());
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&settings, t] {
            for (int i = 0; i < 50; ++i)
                settings.SetInt("Thread" + std::to_string(t) + "_" + std::to_string(i), i);
        });
    for (auto& thread : threads)
        thread.join();
    const CSettings again(dir.Folder().SettingsFile());
    for (int t = 0; t < 4; ++t)
        for (int i = 0; i < 50; ++i)
            ASSERT_EQ(again.GetInt("Thread" + std::to_string(t) + "_" + std::to_string(i), -1), i);
}

TEST(Settings, StartupReadsThemAndKeepsTheLastFoodDownloadDateBeforeOverwritingIt)
{
    CTempDataDir dir;
    {
        CSettings settings(dir.Folder().SettingsFile());
        settings.Set(kTimeoutSetting, 250);
        settings.Set(kTimeout2Setting, 900);
        settings.Set(kExeVersionSetting, "0001.0002.0000");
    }
    auto app = StartFirstDiet(dir, Answers(2026, 1, 15, 150));
    EXPECT_EQ(app->m_dwTimeout, 250u);
    EXPECT_EQ(app->m_dwTimeout2, 900u);
    EXPECT_EQ(app->Updates().ExeVersion(), "0001.0002.0000");
    EXPECT_EQ(app->Updates().PrcVersion(), "0001.0001.0005");
}
