#include "ServerStart.h"

#include <memory>

#include "ComServer.h"
#include "ZarnelImpl1.h"

namespace zarnel {
namespace {

// OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE | OLEMISC_INSIDEOUT | OLEMISC_ACTIVATEWHENVISIBLE |
// OLEMISC_SETCLIENTSITEFIRST
constexpr DWORD ControlMiscStatus = 0x20191;
constexpr int ToolboxBitmapID = 1;

std::unique_ptr<TComServer> Server;

}  // namespace

void StartServer(HINSTANCE module) {
  auto server = std::make_unique<TComServer>(module);
  server->AddFactory(std::make_unique<TActiveXControlFactory>(
      *server, CLSID_ZarnelX, IID_IZarnelX, "TZarnelX", &TZarnelX::CreateObject, &TZarnelX::CreateProgressControl,
      ToolboxBitmapID, ControlMiscStatus));
  Server = std::move(server);
}

void StopServer() noexcept { Server.reset(); }

}  // namespace zarnel
