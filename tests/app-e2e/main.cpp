#include "tests/support/QtTestApp.h"

int main(int argc, char** argv) {
    return corvell::test::runWidgetTests(argc, argv);
}
