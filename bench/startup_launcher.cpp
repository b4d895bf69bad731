// Starts the game again and again and measures the time from the start of the
// process to its first painted mode window (the program reports that moment
// on stdout when MIBBET_STARTUP_PROBE is set). Prints every run and the median.
//   startup_launcher PATH/Mibbet [runs]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [runs]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 21;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MIBBET_STARTUP_PROBE"), QStringLiteral("exit"));
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::SeparateChannels);
        QElapsedTimer t;
        t.start();
        p.start(QString::fromLocal8Bit(argv[1]), {});
        bool painted = false; // the program prints "painted" at its first paint
        while (!painted && p.waitForReadyRead(10000))
            painted = p.readAllStandardOutput().contains("painted");
        const double elapsed = t.nsecsElapsed() / 1e6;
        p.kill();
        p.waitForFinished();
        if (!painted) {
            std::fprintf(stderr, "run %d: no first paint reported\n", i + 1);
            return 1;
        }
        ms.push_back(elapsed);
        std::printf("run %2d: %.1f ms\n", i + 1, elapsed);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("median of %d runs: %.1f ms (min %.1f, max %.1f)\n", runs, ms[ms.size() / 2], ms.front(), ms.back());
    return 0;
}
