// Entry point of every Win test program: the toolkit's application object
// is initialised (nothing is shown) before the tests run.
#include "toolkit/Forms.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    pp::Application->Initialize();
    const int result = RUN_ALL_TESTS();
    pp::Application->Finalize();
    return result;
}
