#include "platform/FullscreenQuestion.h"

#include <SDL.h>
#include <gtk/gtk.h>

#include <cstdlib>
#include <cstring>

namespace platform
{
namespace
{
constexpr guint quitPollMilliseconds = 100;

// SDL turns Ctrl+C and SIGTERM into a quit request, which nobody reads while GTK runs the box: the box
// looks for one now and then and gives way to it, leaving the request for the caller to find.
gboolean closeOnQuitRequest(gpointer dialog)
{
    if (SDL_QuitRequested())
        gtk_dialog_response(GTK_DIALOG(dialog), GTK_RESPONSE_DELETE_EVENT);
    return G_SOURCE_CONTINUE;
}

// Lets GTK finish unmapping the box, and waits until the X server has taken it away, before SDL opens its
// window: a box still standing over the new window would leave its shape unpainted there.
void flushPendingEvents()
{
    while (gtk_events_pending())
        gtk_main_iteration();
    gdk_display_sync(gdk_display_get_default());
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
    const guint quitPoll = g_timeout_add(quitPollMilliseconds, closeOnQuitRequest, dialog);
    const gint answer = gtk_dialog_run(GTK_DIALOG(dialog));
    g_source_remove(quitPoll);
    gtk_widget_destroy(dialog);
    flushPendingEvents();
    return answer == GTK_RESPONSE_YES;
}
} // namespace

bool askFullscreen(std::optional<bool> stored)
{
    if (const char* preset = std::getenv(fullscreenAnswerVariable))
    {
        if (std::strcmp(preset, "yes") == 0)
            return true;
        if (std::strcmp(preset, "no") == 0)
            return false;
    }
    if (stored)
        return *stored;
    return askWithDialog();
}

} // namespace platform
