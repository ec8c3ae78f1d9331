// The game on its real main window: a game start and a full repaint, drawn
// into the real table image on the offscreen platform, the game start with
// its profile writes to a real file.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

#include "app/sol_app.h"

namespace {

// The whole program around each measurement, on a profile in a temporary
// folder, with game 1 dealt.
class MainWindow : public benchmark::Fixture {
  public:
    void SetUp(const benchmark::State&) override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        m_config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", m_config->path().toLocal8Bit());
        m_application = std::make_unique<QApplication>(m_argc, m_argv);
        m_app = std::make_unique<CSolApp>();
        m_app->InitInstance();
        Deal(1);
    }

    void TearDown(const benchmark::State&) override {
        m_app.reset();
        m_application.reset();
        m_config.reset();
    }

  protected:
    CSolView& Game() const { return m_app->Frame()->View(); }

    void Deal(int number) const {
        Game().m_nNextGame = Game().m_nReplayGame = number;
        Game().StartGame();
    }

  private:
    int m_argc = 1;
    char m_name[16] = "kelmora_bench";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<QApplication> m_application;
    std::unique_ptr<CSolApp> m_app;
};

BENCHMARK_F(MainWindow, StartGame)(benchmark::State& state) {
    int number = 1;
    for (auto _ : state) {
        Deal(number);
        number = number % 45899 + 1;
    }
}

BENCHMARK_F(MainWindow, OnPaint)(benchmark::State& state) {
    Game().m_nSelected = 3;
    for (auto _ : state) {
        Game().OnPaint();
    }
}

}  // namespace
