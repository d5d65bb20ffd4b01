// The application's main-window receiver of posted messages, for code that must stay free of Widgets headers.
#pragma once

class QObject;

// TApplication::Instance().MainForm().
QObject* ApplicationMainForm();
