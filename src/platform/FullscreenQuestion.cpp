#include "platform/FullscreenQuestion.h"

#include <gtk/gtk.h>

#include <cstdlib>
#include <cstring>

namespace platform
{
namespace
{
// Lets GTK finish unmapping the box before SDL opens its window.
void flushPendingEvents()
{
    while (gtk_events_pending())
        gtk_main_iteration();
}

bool askWithDialog()
{
    // SDL and the level reader expect the "C" locale: keep GTK from switching it.
    gtk_disable_setlocale();
    if (!gtk_init_check(nullptr, nullptr))
        return false;

    GtkWidget* dialog = gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, GTK_MESSAGE_QUESTION,
                                               GTK_BUTTONS_YES_NO, "Play the game in fullscreen?");
    gtk_window_set_title(GTK_WINDOW(dialog), "Lumora");
    gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_YES);
    const gint answer = gtk_dialog_run(GTK_DIALOG(dialog));
    gtk_widget_destroy(dialog);
    flushPendingEvents();
    return answer == GTK_RESPONSE_YES;
}
} // namespace

bool askFullscreen()
{
    if (const char* preset = std::getenv(fullscreenAnswerVariable))
    {
        if (std::strcmp(preset, "yes") == 0)
            return true;
        if (std::strcmp(preset, "no") == 0)
            return false;
    }
    return askWithDialog();
}

} // namespace platform
