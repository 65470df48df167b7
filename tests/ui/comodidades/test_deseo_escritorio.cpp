// The desktop's wish for less motion is asked over the session bus; a bus that takes the
// connection and never answers must not hold the window.
#include "DeseoEscritorio.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <atomic>
#include <gtest/gtest.h>
#include <memory>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

TEST(DeseoEscritorio, ABusThatAcceptsAndNeverAnswersNeverHoldsTheWindow)
{
    QTemporaryDir dir;
    const QByteArray ruta = QFile::encodeName(dir.filePath(QStringLiteral("bus")));
    // A listening socket: the kernel completes every connection, and nobody ever speaks.
    const int servidor = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un direccion{};
    direccion.sun_family = AF_UNIX;
    ASSERT_LT(size_t(ruta.size()), sizeof direccion.sun_path);
    std::copy(ruta.begin(), ruta.end(), direccion.sun_path);
    ASSERT_EQ(::bind(servidor, reinterpret_cast<sockaddr *>(&direccion), sizeof direccion), 0);
    ASSERT_EQ(::listen(servidor, 8), 0);
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + ruta);
    // Should the question block the main thread after all, the bus goes away after a
    // while, so the test fails on its clock instead of hanging.
    std::atomic<bool> cerrado{false};
    std::thread vigia([&] {
        for (int i = 0; i < 400 && !cerrado; ++i)
            ::usleep(10000);
        if (!cerrado.exchange(true))
            ::close(servidor);  // every connection still waiting in it is dropped
    });

    auto respondio = std::make_shared<std::atomic<bool>>(false);
    QElapsedTimer reloj;
    reloj.start();
    PreguntarDeseoCalma([respondio](bool) { *respondio = true; });
    EXPECT_LT(reloj.elapsed(), 100);
    QTest::qWait(1200);  // past the question's own second of waiting: still no answer
    EXPECT_FALSE(*respondio);

    if (!cerrado.exchange(true))
        ::close(servidor);
    vigia.join();
    QTest::qWait(200);  // the stuck worker sees the bus go and ends without an answer
    EXPECT_FALSE(*respondio);
}
