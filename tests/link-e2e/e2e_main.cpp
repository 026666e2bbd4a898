// The test program's entry: "--darc-reader" makes it the second process of the data-broadcast
// test (see darc_reader.h); anything else runs the tests.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/link-e2e/darc_reader.h"
#include "tests/link-e2e/link_session.h"

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], e2e::kDarcReaderFlag) == 0) {
        return e2e::runDarcReader(argc - 2, argv + 2);
    }
    ::testing::InitGoogleTest(&argc, argv);
    const e2e::PrivateLockDirectory locks;
    return RUN_ALL_TESTS();
}
