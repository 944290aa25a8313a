#pragma once

#include <vector>

#include "Game/I_View.h"
#include "util/NonCopyable.h"

namespace Game
{
// The ordered views of the game. Views may be added and removed at any time, also from inside a pass;
// the changes are applied at the start of the next update, render or input pass. A removed view is
// skipped by every pass from the moment of its removal, so its owner may delete it at once.
class ViewManager : private Util::NonCopyable<ViewManager>
{
public:
    ViewManager();
    virtual ~ViewManager();

    // The view is told the current screen size at once and joins at the next flush.
    virtual void add(I_View* view);
    virtual void remove(I_View* view);
    virtual void setPause(bool paused);
    // Only a changed size reaches the views.
    virtual void setScreenSize(int width, int height);
    virtual void preUpdate(float elapsed);
    virtual void onUpdate(float elapsed);
    virtual void onRender();
    // Offers the event to the views from the last added back, until one consumes it.
    virtual void onInput(EVT::I_Event* event);
    virtual void getScreenSize(int& width, int& height) const;
    // False from the view's removal on.
    virtual bool viewStillValid(const I_View* view) const;
    virtual void doPendingUpdates();

private:
    // Walks the applied list first to last, skipping removed views. Changes made during the walk go to
    // the pending lists, so the list itself stays as it is while any walk is running.
    template <class F> void forEachValid(F call);
    void flushUnlessWalking();

    int screenWidth;
    int screenHeight;
    std::vector<I_View*> views;
    std::vector<I_View*> toAdd;
    std::vector<I_View*> toRemove;
    int walking;
};
} // namespace Game
