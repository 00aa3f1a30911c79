# Renders every drawing in DRAWINGS with the program itself, cropped to its shapes, to a picture of the
# same name in PICTURES: cmake -DKORVO=... -DDRAWINGS=... -DPICTURES=... -P export_pictures.cmake
file(MAKE_DIRECTORY ${PICTURES})
file(GLOB drawings ${DRAWINGS}/*.kv)
foreach(drawing IN LISTS drawings)
    get_filename_component(name ${drawing} NAME_WE)
    execute_process(COMMAND ${KORVO} --export ${drawing} ${PICTURES}/${name}.png --crop RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "korvo could not render ${drawing}")
    endif()
endforeach()
