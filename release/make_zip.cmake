# Stages and packs the release folder. Run by the "release" target with
# STAGE, ZIP, PROGRAM, TOOL, SAMPLES_DIR, GUIDE, VERSION and STRIP set.
get_filename_component(stageParent ${STAGE} DIRECTORY)
get_filename_component(stageName ${STAGE} NAME)
file(REMOVE_RECURSE ${STAGE})
file(REMOVE ${ZIP})
file(MAKE_DIRECTORY ${STAGE}/samples)

file(COPY ${PROGRAM} ${TOOL} DESTINATION ${STAGE})
# The link already strips; this keeps a debug build's zip small as well.
get_filename_component(programName ${PROGRAM} NAME)
get_filename_component(toolName ${TOOL} NAME)
execute_process(COMMAND ${STRIP} --strip-all ${STAGE}/${programName} ${STAGE}/${toolName}
    RESULT_VARIABLE stripped)
if(NOT stripped EQUAL 0)
    message(FATAL_ERROR "cannot strip the programs")
endif()

file(GLOB samples ${SAMPLES_DIR}/*.txt)
file(COPY ${samples} DESTINATION ${STAGE}/samples)

# The guide: UTF-8 with a byte-order mark and CR LF, which Notepad opens
# correctly whatever the system code page.
file(READ ${GUIDE} guide)
string(REPLACE "@PROJECT_VERSION@" "${VERSION}" guide "${guide}")
string(REPLACE "\r\n" "\n" guide "${guide}")
string(REPLACE "\n" "\r\n" guide "${guide}")
string(ASCII 239 187 191 byteOrderMark)
file(WRITE ${STAGE}/README-zh.txt "${byteOrderMark}${guide}")

execute_process(
    COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip ${stageName}
    WORKING_DIRECTORY ${stageParent}
    RESULT_VARIABLE packed)
if(NOT packed EQUAL 0)
    message(FATAL_ERROR "cannot pack ${ZIP}")
endif()
