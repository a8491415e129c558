#include "StartupSequence.h"

#include "FileAssociation.h"
#include "Folders.h"
#include "Runtime.h"
#include "Settings.h"
#include "StartupLists.h"

namespace krevol {
namespace {

void call(const std::function<void()> &hook)
{
    if (hook)
        hook();
}

} // namespace

bool vFunInicjalizujProgram(const StartupHooks &hooks)
{
    if (!bFunSprawdzPlikiKatalogi() || runtime::quitRequested()) {
        call(hooks.closeWithoutAsking);
        return false;
    }
    vFunSprawdzZmanePlikowKatalogow();
    vFunUstawSkojarzeniePlikow();
    call(hooks.setCaption);
    if (strFunWczytajDanaZPlikuUstawien(settings::kUpdate) == settings::kTrue)
        bFunZapiszDanaDoPlikuUstawien(settings::kUpdate, settings::kFalse);
    call(hooks.createPageSurfaces);
    call(hooks.clearWindowFlags);
    call(hooks.setTreeMenuState);
    bFunSkasujKopieRobocza();
    call(hooks.startUpdateCheck);
    if (hooks.setCrossOutBox)
        hooks.setCrossOutBox(settingIsTrue(settings::kCrossOutEmpty));
    return true;
}

} // namespace krevol
