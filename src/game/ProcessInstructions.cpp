#include "game/ProcessInstructions.h"

#include "engine/Core.h"
#include "game/ButtonId.h"
#include "game/GameFiles.h"
#include "game/ScreenLayout.h"
#include "graphics/Interface.h"
#include "widgets/Image.h"
#include "widgets/TextButton.h"

void ProcessInstructions::start()
{
    Process::start();
    Handle<Interface> interface = Core::instance()->getInterface();
    interface->clear();
    interface->addWidget(new Image(GameFiles::instructionsPicture, ScreenLayout::instructionsOpacity,
                                   ScreenLayout::instructionsCentre));
    interface->addWidget(new TextButton(Back, "BACK", ScreenLayout::backButtonTopLeft,
                                        ScreenLayout::backButtonScale, ScreenLayout::backButtonScale));
    listenForButtons();
}
