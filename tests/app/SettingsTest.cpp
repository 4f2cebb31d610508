#include "app/LeanlogApp.h"
#include "app/Settings.h"
#include "support/TestDiet.h"

#include <gtest/gtest.h>

#include <thread>

TEST(Settings, DefaultsAsDesigned)
{
    CTempDataDir dir;
    const CSettings settings(dir.Folder().SettingsFile());
    EXPECT_EQ(settings.Get(kTimeoutSetting), 5000);
    EXPECT_EQ(settings.Get(kTimeout2Setting), 60000);
    EXPECT_EQ(settings.Get(kPrcVersionSetting), "0001.0001.0005");
    EXPECT_EQ(settings.Get(kConduitVersionSetting), "0001.0001.0005");
    EXPECT_EQ(settings.Get(kExeVersionSetting), "0001.0001.0005");
    EXPECT_EQ(settings.Get(kLastFoodCatDlDateSetting), "1/1/2001");
    EXPECT_EQ(settings.Get(kServerUrlSetting), "");
    EXPECT_EQ(settings.Get(kHttpDumpFileSetting), "");
}

TEST(Settings, PortableModeKeepsTheFileInTheDataFolder)
{
    CTempDataDir dir;
    EXPECT_EQ(dir.Folder().SettingsFile(), dir.File("Leanlog.ini"));
    {
        CSettings settings(dir.Folder().SettingsFile());
        settings.Set(kTimeoutSetting, 1234);
        settings.Set(kServerUrlSetting, "http://127.0.0.1:8088");
    }
    const std::string text = ReadFileBytes(dir.File("Leanlog.ini"));
    EXPECT_NE(text.find("[Settings]"), std::string::npos) << text;
    EXPECT_NE(text.find("dwTimeout=1234"), std::string::npos) << text;
    const CSettings again(dir.Folder().SettingsFile());
    EXPECT_EQ(again.Get(kTimeoutSetting), 1234);
    EXPECT_EQ(again.Get(kServerUrlSetting), "http://127.0.0.1:8088");
}

TEST(Settings, TextsKeepTheirCharacters)
{
    CTempDataDir dir;
    const std::string value = "  Caf\xC3\xA9 = \"quoted\" \\ [x]  ";
    CSettings(dir.Folder().SettingsFile()).SetText("BannerName", value);
    EXPECT_EQ(CSettings(dir.Folder().SettingsFile()).GetText("BannerName", ""), value);
}

TEST(Settings, SafeFromSeveralThreads)
{
    CTempDataDir dir;
    CSettings settings(dir.Folder().SettingsFile());
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&settings, t] {
            for (int i = 0; i < 50; ++i) {
                settings.SetInt("Thread" + std::to_string(t) + "_" + std::to_string(i), i);
                (void)settings.Get(kTimeoutSetting);
            }
        });
    for (auto& thread : threads)
        thread.join();
    const CSettings again(dir.Folder().SettingsFile());
    for (int t = 0; t < 4; ++t)
        for (int i = 0; i < 50; ++i)
            ASSERT_EQ(again.GetInt("Thread" + std::to_string(t) + "_" + std::to_string(i), -1), i);
}

TEST(Settings, StartupReadsTimeoutsAndVersions)
{
    CTempDataDir dir;
    {
        CSettings settings(dir.Folder().SettingsFile());
        settings.Set(kTimeoutSetting, 250);
        settings.Set(kTimeout2Setting, 900);
        settings.Set(kExeVersionSetting, "0001.0002.0000");
    }
    const auto app = StartFirstDiet(dir, Answers(2026, 1, 15, 150));
    EXPECT_EQ(app->m_dwTimeout, 250u);
    EXPECT_EQ(app->m_dwTimeout2, 900u);
    EXPECT_EQ(app->m_strExeVersion, "0001.0002.0000");
    EXPECT_EQ(app->m_strPrcVersion, "0001.0001.0005");
}

TEST(Settings, DatabasePathIsWrittenEvenWhenTheDatabaseCannotBeOpened)
{
    CTempDataDir dir;
    WriteFileBytes(dir.File("RiRedo.mdb"), "not a database at all, just some text");
    CLeanlogApp app(dir.Folder());
    CScriptedPrompts prompts(Answers(2026, 1, 15, 150));
    EXPECT_THROW(app.InitData(prompts), CDbException);
    EXPECT_EQ(CSettings(dir.Folder().SettingsFile()).Get(kDatabasePathSetting), dir.File("RiRedo.mdb"));
}

