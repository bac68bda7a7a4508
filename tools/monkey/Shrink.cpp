#include "Monkey.h"

#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <algorithm>

// Delta debugging over steps. Every step carries its own answers and random values, so any
// subset of a failing list is still a list of meaningful steps; a step that no longer fits the
// screen in front simply does nothing.
namespace monkey {

namespace {

// Steps that seldom matter: pointer moves, timer ticks and clicks on pictures and blank labels.
bool looksIdle(const Step& step) {
    if (step.action == Action::Move) return true;
    if (step.action != Action::Click) return false;
    static const char* const decorations[] = {"ui::Image", "Label",     "PCard",
                                              "DCard",     "imgDealer", "imgPlayer",
                                              "imgDeck",   "picStatus", "QGroupBox"};
    for (const char* name : decorations)
        if (step.control.startsWith(QLatin1String(name))) return true;
    return false;
}

class Shrinker {
  public:
    Shrinker(QString check, int seconds, int replays, const Settings& settings)
        : check_(std::move(check)), deadline_(std::chrono::seconds{seconds}), replays_(replays),
          settings_(settings) {
        settings_.checking = true;
        settings_.keepSteps = false;
        settings_.log = false;
    }

    bool spent() const { return deadline_.hasExpired() || replays_ <= 0; }

    // Played from a fresh folder, the candidate breaks the same rule; it is then cut after the
    // step that broke it.
    bool fails(std::vector<Step>& candidate) {
        --replays_;
        QTemporaryDir dir;
        if (!dir.isValid() || !prepareProgramFolder(dir.path())) return false;
        Monkey monkey(dir.path(), settings_);
        const Result result = monkey.replay(candidate);
        if (!result.failure || result.failure->check != check_) return false;
        candidate.resize(static_cast<std::size_t>(result.failure->step + 1));
        return true;
    }

    // Keeps the candidate when it still fails.
    bool tryWithout(std::vector<Step>& current, const std::vector<bool>& drop) {
        std::vector<Step> candidate;
        candidate.reserve(current.size());
        for (std::size_t i = 0; i < current.size(); ++i)
            if (!drop[i]) candidate.push_back(current[i]);
        if (candidate.size() == current.size() || !fails(candidate)) return false;
        current = std::move(candidate);
        return true;
    }

    // Whole runs of the program first: most of a long list is earlier games.
    void dropRuns(std::vector<Step>& current) {
        for (std::size_t start = 0; start < current.size() && !spent();) {
            std::size_t end = start + 1;
            while (end < current.size() && current[end].action != Action::Restart)
                ++end;
            if (end >= current.size()) break; // the last run holds the failure
            std::vector<bool> drop(current.size(), false);
            std::fill(drop.begin() + static_cast<std::ptrdiff_t>(start),
                      drop.begin() + static_cast<std::ptrdiff_t>(end), true);
            if (!tryWithout(current, drop)) start = end;
        }
    }

    void dropIdle(std::vector<Step>& current) {
        std::vector<bool> drop(current.size());
        for (std::size_t i = 0; i + 1 < current.size(); ++i)
            drop[i] = looksIdle(current[i]);
        tryWithout(current, drop);
    }

    // Removes ever smaller chunks while any removal still fails.
    void ddmin(std::vector<Step>& current) {
        std::size_t parts = 2;
        while (current.size() >= 2 && !spent()) {
            const std::size_t chunk = (current.size() + parts - 1) / parts;
            bool reduced = false;
            for (std::size_t start = 0; start < current.size() && !spent(); start += chunk) {
                std::vector<bool> drop(current.size(), false);
                for (std::size_t i = start; i < std::min(current.size(), start + chunk); ++i)
                    drop[i] = true;
                if (tryWithout(current, drop)) {
                    parts = std::max<std::size_t>(parts - 1, 2);
                    reduced = true;
                    break;
                }
            }
            if (!reduced) {
                if (parts >= current.size()) break;
                parts = std::min(current.size(), parts * 2);
            }
        }
    }

  private:
    QString check_;
    QDeadlineTimer deadline_;
    int replays_;
    Settings settings_;
};

} // namespace

std::vector<Step> shrink(const std::vector<Step>& steps, const QString& check, int seconds,
                         const Settings& settings, int replays) {
    Shrinker shrinker(check, seconds, replays, settings);
    std::vector<Step> current = steps;
    if (!shrinker.fails(current)) return current;
    shrinker.dropIdle(current);
    shrinker.dropRuns(current);
    shrinker.ddmin(current);
    return current;
}

} // namespace monkey
