// The entry of every test program. Under the address sanitizer, leaks are
// checked as soon as the tests are done: at exit, library destructors unload
// the GL driver, and the memory it still holds would be reported with frames in
// a module that no longer exists, which no suppression can name.

#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    int const result = RUN_ALL_TESTS();
#if defined(__SANITIZE_ADDRESS__)
    __lsan_do_leak_check();  // ends the process with a failure status when it finds a leak
#endif
    return result;
}
