#include "host/EditorSession.h"

#include "host/CommandSupport.h"

namespace kandrel::host {

void RunEditorSession(THostedPlugin&, const TEditorSessionOptions&, std::ostream&) {
    throw TCliError(kExitFailure,
                    "this build of kandrel-host cannot show editors (only the Windows build can; run it under wine)");
}

}  // namespace kandrel::host
