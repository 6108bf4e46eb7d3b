// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlaybackRig.h"
#include "editing/TourEditor.h"
#include "editing/TourFiles.h"
#include "config/OptionsDialog.h"

namespace rovanta::testing {

// The playback engine plus tour files, tour editing and the options dialog.
struct AppRig : PlaybackRig {
    FakeFileDialog dialog;
    FakeInternetTransfer internet;
    FakeTrustedTours trusted;
    TourFiles tourFiles{{files, lookup, internet, dialog, messages, geometry, trusted},
                        tour,
                        form,
                        player,
                        interpreter};
    TourEditor editor{tour, form, browser, messages};
    OptionsDialog options{
        {files, lookup, dialog, internet, messages, browser}, form, tour, player, tourFiles};
};

} // namespace rovanta::testing
