#include "game/ProcessInstructions.h"

#include "engine/Core.h"
#include "engine/GameFiles.h"
#include "game/ButtonId.h"
#include "graphics/Interface.h"
#include "widgets/Image.h"
#include "widgets/TextButton.h"

void ProcessInstructions::start()
{
    Process::start();
    Handle<Interface> interface = Core::instance()->getInterface();
    interface->clear();
    interface->addWidget(new Image(GameFiles::instructionsPicture, 1, Vector3(400, 300, 0)));
    interface->addWidget(new TextButton(Back, "BACK", Vector3(700, 50, 0), 1, 1));
    listenForButtons();
}
