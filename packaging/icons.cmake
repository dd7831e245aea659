# The application's id and icon, shared by the window (through a Qt resource)
# and the installed desktop files. The SVG is the one source of the icon: the
# PNG sizes are rendered from it at build time with rsvg-convert.
set(VELMORA_APP_ID org.velmora.Velmora)
set(VELMORA_ICON_SVG ${PROJECT_SOURCE_DIR}/packaging/${VELMORA_APP_ID}.svg)
set(VELMORA_ICON_SIZES 16 32 48 64 128 256)
# hicolor/NxN/apps/<id>.png below this folder, laid out as installed.
set(VELMORA_ICON_PNG_DIR ${PROJECT_BINARY_DIR}/icons)

# Adds the rules that render every PNG size and sets out_var to their paths.
# Call it from the directory whose target uses the PNGs.
function(velmora_render_icons out_var)
  find_program(RSVG_CONVERT rsvg-convert REQUIRED)
  set(pngs)
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
  endforeach()
  set(${out_var} ${pngs} PARENT_SCOPE)
endfunction()
