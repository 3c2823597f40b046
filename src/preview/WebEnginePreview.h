#pragma once

#include "ui/PreviewEngine.h"

#include <QObject>

namespace pickwell {

// The preview module: panes that show the menu's page as Qt WebEngine renders it. All panes
// share one profile that keeps nothing on disk.
class WebEnginePreview : public QObject, public PreviewEngine {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PickwellPreviewEngine_iid)
    Q_INTERFACES(pickwell::PreviewEngine)

public:
    PreviewPane* CreatePane(QWidget* parent, PreviewPaneEvents events) override;
};

} // namespace pickwell
