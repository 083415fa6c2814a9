#pragma once
// The main of the benchmarks that open dialogs: offscreen unless another
// platform is asked for, every message box taken silently.
#include "desktop/widgets/ui_messages.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <functional>

inline int runGuiBenchmarks(int argc, char** argv, const std::function<void()>& registerMore = {})
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CollectingMessenger quiet;
    UiMessages::install(&quiet);
    benchmark::Initialize(&argc, argv);
    if (registerMore)
        registerMore();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
