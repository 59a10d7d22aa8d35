// Run by hand, not under CTest: the CPU each click on "ابحث" costs as the box
// fills, and the peak memory. Start it with QT_QPA_PLATFORM=offscreen.
//   daskin_bench [number] [clicks]
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <sys/resource.h>
#include <time.h>

#include <cstdio>

#include "daskin.h"
#include "daskin_form.h"
#include "forms/multiline.h"
#include "forms/tests/driver.h"

namespace {
double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}
long peakKiB()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString number = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("866421317361600");
    const int clicks = argc > 2 ? atoi(argv[2]) : 12;

    daskin::start();
    QWidget *form = forms::instance<daskin::Form1>();
    auto *box = formstest::control<QWidget>(form, QStringLiteral("Text1"));
    auto *search = formstest::control<QPushButton>(form, QStringLiteral("Command1"));
    auto *found = formstest::control<forms::MultiLineTextBox>(form, QStringLiteral("Text2"));
    formstest::type(box, number);
    QCoreApplication::processEvents();
    std::printf("start: peak %ld MiB\n", peakKiB() / 1024);
    for (int i = 1; i <= clicks; ++i) {
        const double before = cpuSeconds();
        formstest::click(search);
        QCoreApplication::processEvents(); // the repaint that follows
        const double cost = cpuSeconds() - before;
        std::printf("click %2d: %6.3f s CPU, box %8lld chars, peak %ld MiB\n", i, cost,
                    qint64(found->text().size()), peakKiB() / 1024);
        std::fflush(stdout);
    }
    double before = cpuSeconds();
    found->viewport()->repaint();
    std::printf("repaint: %6.3f s CPU\n", cpuSeconds() - before);
    found->setFocus();
    before = cpuSeconds();
    QTest::keyClick(found, Qt::Key_A);
    QCoreApplication::processEvents();
    std::printf("one key in the box: %6.3f s CPU\n", cpuSeconds() - before);
    return 0;
}
