#include "qmltestrunner.h"

int main(int argc, char **argv)
{
    return runQmlTests(argc, argv, KORIV_QML_TEST_NAME, KORIV_QML_TEST_DIR);
}
