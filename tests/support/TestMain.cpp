#include <gtest/gtest.h>
#include <wx/init.h>

int main(int argc, char** argv)
{
    wxInitializer wx;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
