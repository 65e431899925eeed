#pragma once

class QWidget;

// For measuring start-up: when the environment variable
// STIPPLEBOX_REPORT_STARTUP is set, the first paint of the widget is reported
// on standard error with the time since the process started.
void ReportFirstPaintWhenAsked(QWidget& widget);
