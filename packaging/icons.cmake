# The application's id and icon, shared by the window (through a Qt resource)
# and the installed desktop files. The SVG is the one source of the icon: the
# PNG sizes are rendered from it at build time with rsvg-convert.
set(VELMORA_APP_ID org.velmora.Velmora)
set(VELMORA_ICON_SVG ${PROJECT_SOURCE_DIR}/packaging/${VELMORA_APP_ID}.svg)
# Installed into the hicolor theme, where docks, menus and task switchers
# take the icon the desktop entry names; 22 and 24 are the panel and menu sizes.
set(VELMORA_ICON_SIZES 16 22 24 32 48 64 128 256)
# Built into the program as its window icon: only what a window manager draws
# in title bars and window lists. Every size is decoded and sent to the X
# server as the window appears, so the large ones would slow the first paint.
set(VELMORA_WINDOW_ICON_SIZES 16 22 24 32 48)
# hicolor/NxN/apps/<id>.png below this folder, laid out as installed.
set(VELMORA_ICON_PNG_DIR ${PROJECT_BINARY_DIR}/icons)

# Adds the rules that render every PNG size, built with the target
# velmora_icons, and sets out_var to the paths of the window icon's sizes.
# Call it from the directory whose target uses the PNGs.
function(velmora_render_icons out_var)
  find_program(RSVG_CONVERT rsvg-convert REQUIRED)
  set(pngs)
  set(window_pngs)
  foreach(size IN LISTS VELMORA_ICON_SIZES)
    set(png ${VELMORA_ICON_PNG_DIR}/hicolor/${size}x${size}/apps/${VELMORA_APP_ID}.png)
    add_custom_command(
      OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${VELMORA_ICON_PNG_DIR}/hicolor/${size}x${size}/apps
      COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --format png
              --output ${png} ${VELMORA_ICON_SVG}
      DEPENDS ${VELMORA_ICON_SVG}
      COMMENT "Rendering the ${size}x${size} application icon"
      VERBATIM)
    list(APPEND pngs ${png})
    if(size IN_LIST VELMORA_WINDOW_ICON_SIZES)
      list(APPEND window_pngs ${png})
    endif()
  endforeach()
  add_custom_target(velmora_icons ALL DEPENDS ${pngs})
  set(${out_var} ${window_pngs} PARENT_SCOPE)
endfunction()
