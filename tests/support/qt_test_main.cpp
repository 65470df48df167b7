// One main for every suite: headless Qt and OpenAL's silent output (which plays in
// real time, so cues sound for their length), a cache folder of their own, then GoogleTest.
// The environment is set here rather than by CTest, whose discovered tests take a single
// variable from a list (gtest_discover_tests flattens the ENVIRONMENT list into property names).
#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (!std::getenv("QT_QPA_PLATFORM") || !*std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!std::getenv("ALSOFT_DRIVERS") || !*std::getenv("ALSOFT_DRIVERS"))
        setenv("ALSOFT_DRIVERS", "null", 1);
    // --escala=2: the whole suite on a screen at twice the scale (ctest's "x2." run).
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--escala=", 9) == 0)
            setenv("QT_SCALE_FACTOR", argv[i] + 9, 1);
    // Decoded pictures are cached under the user's cache folder: the tests' own, not the user's.
    QTemporaryDir cache;
    setenv("XDG_CACHE_HOME", cache.path().toLocal8Bit().constData(), 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
