// Windows has no LD_PRELOAD: there the driver of installed_program_driver.h
// comes into the installed program as a Qt generic plugin, which every Qt
// GUI program loads at start-up when QT_QPA_GENERIC_PLUGINS names it and
// QT_PLUGIN_PATH holds its folder (generic/). The program needs no hook of
// its own (tools/windows/check-installer.sh).

#include "installed_program_driver.h"

#include <QGenericPlugin>

class InstalledProgramDriverPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "installed_program_driver_plugin.json")
public:
    // Called while the application object is being built. The driver is
    // the application's child; Qt is handed nothing to delete.
    QObject *create(const QString &, const QString &) override
    {
        pellumo::testing::StartDriver();
        return nullptr;
    }
};

#include "installed_program_driver_plugin.moc"
