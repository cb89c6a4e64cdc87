#include "app/Program.h"

#include "platform/Cues.h"
#include "platform/Error.h"
#include "screens/ScoreMap.h"

namespace vcq {

namespace {

// The drill gets what it works on, and reaches the windows above it only
// through these hooks. Called while the windows after frmMain are built: the
// hooks run only later, from events.
DrillLinks DrillWiring(Program& app) {
  TfrmMain& main = app.frmMain;
  DrillHooks hooks{[&app](int ms, bool on, std::function<void()> tick) {
                     return app.NewTimer(ms, on, std::move(tick));
                   },
                   [&app] {
                     app.frmMain.form.Visible = true;
                     DrawMapCells(app.frmMain.mapCanvas);
                   },
                   [&app] { app.frmOmedeto.Show(); }};
  return DrillLinks{app.bank,   app.rec,           app.drill, app.ports,     main.OkSum,
                    main.NgSum, main.map.SelNames, main.form, app.readAloud, std::move(hooks)};
}

}  // namespace

Program::Program(Ports p, Paths paths_)
    : ports(p),
      paths(std::move(paths_)),
      frmMain(*this),
      frmInput(ports.dialogs, ports.sound),
      frmOmedeto([this](int ms, bool on, std::function<void()> tick) {
        return NewTimer(ms, on, std::move(tick));
      }),
      frmOption(bank, rec, drill, ports.clock, frmMain.mapCanvas, readAloud),
      frmQues(DrillWiring(*this)),
      frmScoreTable(bank, rec, frmMain.mapCanvas),
      frmSel(bank, rec, ports.sound, frmMain.mapCanvas) {}

void Program::Guard(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const Error& e) {
    ports.dialogs.ShowError(e.what());
  } catch (const std::bad_alloc&) {
    ports.dialogs.ShowError("メモリが足りません");
  }
  if (onChanged) onChanged();
}

std::unique_ptr<Timer> Program::NewTimer(int intervalMs, bool enabled,
                                         std::function<void()> onTimer) {
  return ports.timers.NewTimer(intervalMs, enabled,
                               [this, tick = std::move(onTimer)] { Guard(tick); });
}

void Program::Play(const Cue& c) {
  PlayCue(ports.sound, c);
}

}  // namespace vcq
