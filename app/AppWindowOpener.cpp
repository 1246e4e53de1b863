#include "AppWindowOpener.h"

#include "ChildWindow.h"
#include "PlaceholderWindow.h"
#include "frm_Addtext.h"
#include "frmAbout.h"
#include "frm_RenBulk.h"

AppWindowOpener::AppWindowOpener(MainWindowFace& main)
    : m_main(main)
{
}

AppWindowOpener::~AppWindowOpener()
{
    for (auto& [id, window] : m_windows)
        delete window;
}

ChildWindow* AppWindowOpener::create(WindowId id)
{
    switch (id) {
    case WindowId::Addtext:
        return new frm_Addtext(m_main);
    case WindowId::Watertext:
        return new PlaceholderWindow(m_main, QStringLiteral("frm_Watertext"),
                                     " Letak Teks Watermark Di Gambar",
                                     " Add Text Watermark On Picture");
    case WindowId::WaterLogo:
        return new PlaceholderWindow(m_main, QStringLiteral("frm_WaterLogo"),
                                     " Letak LOGO Watermark Di Gambar",
                                     " Add LOGO Watermark On Picture");
    case WindowId::Pusing:
        return new PlaceholderWindow(m_main, QStringLiteral("frm_Pusing"),
                                     " Ubah Posisi Gambar (+90 Deg / -90 Deg)",
                                     " Rotate Picture (+90 Deg / -90 Deg)");
    case WindowId::AnimGif:
        return new PlaceholderWindow(m_main, QStringLiteral("frm_AnimGif"),
                                     " Bina Fail GIF Animasi", " Create Animated GIF File");
    case WindowId::RenBulk:
        return new frm_RenBulk(m_main);
    case WindowId::About:
        return new frmAbout(m_main);
    }
    return nullptr;
}

ChildWindow* AppWindowOpener::existing(WindowId id) const
{
    const auto it = m_windows.find(id);
    return it == m_windows.end() ? nullptr : it->second;
}

ChildWindow* AppWindowOpener::window(WindowId id)
{
    if (ChildWindow* known = existing(id))
        return known;
    ChildWindow* made = create(id);
    m_windows[id] = made;
    return made;
}

void AppWindowOpener::open(WindowId id)
{
    ChildWindow* target = window(id);
    target->show();
    target->raise();
    target->activateWindow();
}

void AppWindowOpener::closeAll()
{
    for (WindowId id : {WindowId::AnimGif, WindowId::Pusing, WindowId::RenBulk, WindowId::About,
                        WindowId::Addtext, WindowId::Watertext, WindowId::WaterLogo})
        if (ChildWindow* target = existing(id))
            target->unload();
}
