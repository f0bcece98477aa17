// Lumora's window against the floor that painting alone sets, in one run so
// that the ratios hold on a busy machine:
//   SPIN end to end with real painting, against 1000 repaints of the same captions;
//   start-up to the first passage painted, and peak memory, against the same UI
//   built plainly in Qt.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "bench/null_window.h"
#include "catalogue/verse_catalogue.h"
#include "window/form1.h"
#include "window/qt/main_window.h"
#include "window/qt/verse_label.h"

namespace {

constexpr int kRounds = 7;

const char* verdict(bool met) {
    return met ? "met" : "MISSED";
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The captions and sizes one SPIN shows from a given generator state.
struct Shown {
    std::string caption;
    int points;
};

std::vector<Shown> captionsOfSpin(std::uint64_t seed) {
    lumora::bench::NullWindow window;
    lumora::SplitMixRandom random;
    lumora::Form1 form{window, random, ""};
    form.Form_Load();
    random.Seed(seed);
    std::vector<Shown> shown;
    for (int pass = 0; pass < 1000; ++pass) {
        form.viewer().Label1_Click();
        const lumora::CatalogueEntry& entry = lumora::LookupVerse(form.viewer().state().VerseIndex);
        shown.push_back({std::string(entry.Caption), entry.FontSize.value_or(18)});
    }
    return shown;
}

void benchSpin() {
    lumora::SplitMixRandom random;
    lumora::MainWindow window(random);
    window.form().Start();
    QApplication::processEvents();
    std::vector<double> spin, floor;
    for (int round = 0; round < kRounds; ++round) {
        const std::uint64_t seed = 1000 + round;
        const std::vector<Shown> shown = captionsOfSpin(seed);
        lumora::VerseLabel& label = *window.label();

        QElapsedTimer clock;
        clock.start();
        for (const Shown& verse : shown) {
            QFont font = label.font();
            font.setPointSizeF(verse.points);
            label.setFont(font);
            label.setText(QString::fromStdString(verse.caption));
            label.repaint();
        }
        floor.push_back(clock.nsecsElapsed() / 1e6);

        random.Seed(seed);
        clock.restart();
        window.form().viewer().mnuSpin_Click();
        spin.push_back(clock.nsecsElapsed() / 1e6);
    }
    const double spinMs = median(spin), floorMs = median(floor);
    std::printf("SPIN with painting:        %8.1f ms  (median of %d)\n", spinMs, kRounds);
    std::printf("1000 repaints (the floor): %8.1f ms\n", floorMs);
    std::printf("SPIN / floor:              %8.2f  (target at most 1.25: %s)\n", spinMs / floorMs,
                verdict(spinMs / floorMs <= 1.25));
}

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

struct StartUp {
    double ms;
    double peakMb;
};

// Starts the probe, returning the time to its first paint and its peak memory.
StartUp startProbe(const std::string& probe, const char* mode) {
    int output[2];
    if (pipe(output) != 0) return {0, 0};
    const long long started = monotonicNs();
    const pid_t child = fork();
    if (child == 0) {
        dup2(output[1], STDOUT_FILENO);
        close(output[0]);
        execl(probe.c_str(), probe.c_str(), mode, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(output[1]);
    char text[64] = {};
    const ssize_t length = read(output[0], text, sizeof text - 1);
    close(output[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (length <= 0) return {0, 0};
    return {(std::stoll(text) - started) / 1e6, usage.ru_maxrss / 1024.0};
}

void benchStartUp(const std::string& probe) {
    const char* modes[] = {"lumora", "plain", "bare"};
    std::vector<double> ms[3], mb[3];
    for (int round = 0; round < 2 * kRounds + 1; ++round) {
        for (int mode = 0; mode < 3; ++mode) {
            const StartUp run = startProbe(probe, modes[mode]);
            ms[mode].push_back(run.ms);
            mb[mode].push_back(run.peakMb);
        }
    }
    const double ours = median(ms[0]), plain = median(ms[1]);
    const double oursMb = median(mb[0]), plainMb = median(mb[1]);
    std::printf("start-up to first passage: %8.1f ms, peak %.1f MB  (medians of %d)\n", ours,
                oursMb, 2 * kRounds + 1);
    std::printf("the same UI, plain Qt:     %8.1f ms, peak %.1f MB  (the floor)\n", plain, plainMb);
    std::printf("bare Qt window:            %8.1f ms, peak %.1f MB  (for information)\n",
                median(ms[2]), median(mb[2]));
    std::printf("start-up / floor:          %8.2f  (target at most 1.05: %s)\n", ours / plain,
                verdict(ours / plain <= 1.05));
    std::printf("peak memory over floor:    %8.1f MB (target at most 1: %s)\n", oursMb - plainMb,
                verdict(oursMb - plainMb <= 1));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const std::string probe =
        QCoreApplication::applicationDirPath().toStdString() + "/lumora-startup-probe";
    benchSpin();
    benchStartUp(probe);
    return 0;
}
