// The main routine of every test program: hands the core the build's platform,
// as the program's entry point does, then runs the tests.
#include <gtest/gtest.h>

#include "platform/DefaultPlatform.h"

int main(int argc, char** argv) {
  vb::SetPlatform(&vb::DefaultPlatform());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
