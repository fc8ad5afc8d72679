# What differs between the systems Quarrimak is built for: the operating-system services of
# src/platform (one implementation per system), and on Windows the executable's kind, icon and
# version.

# Adds the implementation of src/platform's services for the system built for to the target.
function(quarrimak_add_system_sources target)
    if(WIN32)
        file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/platform/windows/*.cpp)
        # The Windows headers' min and max macros would clash with std::min and qMin.
        target_compile_definitions(${target} PRIVATE NOMINMAX WIN32_LEAN_AND_MEAN)
    else()
        file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/platform/posix/*.cpp)
    endif()
    target_sources(${target} PRIVATE ${sources})
endfunction()

# The program's icon for its windows, as PNG pictures that Qt reads without an image plug-in
# (an SVG would need Qt's SVG plug-in, which neither the Debian package's dependencies nor the
# Windows build carry); on Windows the executable is a windowed program carrying its icon and
# version.
function(quarrimak_set_up_program target)
    qt_add_resources(${target} program_icon PREFIX /icons/program
        BASE ${PROJECT_SOURCE_DIR}/desktop/icons
        FILES ${PROJECT_SOURCE_DIR}/desktop/icons/quarrimak-16.png
              ${PROJECT_SOURCE_DIR}/desktop/icons/quarrimak-32.png
              ${PROJECT_SOURCE_DIR}/desktop/icons/quarrimak-48.png
              ${PROJECT_SOURCE_DIR}/desktop/icons/quarrimak-256.png)
    if(WIN32)
        set(QUARRIMAK_ICON_FILE ${PROJECT_SOURCE_DIR}/desktop/icons/quarrimak.ico)
        configure_file(${PROJECT_SOURCE_DIR}/cmake/quarrimak.rc.in
                       ${CMAKE_CURRENT_BINARY_DIR}/quarrimak.rc @ONLY)
        target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/quarrimak.rc)
        set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
    endif()
endfunction()
