#include "wizard/framewlmodesel.h"

#include "app/globalvar.h"
#include "app/records.h"

TFrameWlModeSel::TFrameWlModeSel(QWidget* parent) : TFrameNavPage(parent) {}

void TFrameWlModeSel::InitFrame() {
    g_Var.DeviceMode = DEVICE_AP;
    TFrameNavPage::InitFrame();
}
