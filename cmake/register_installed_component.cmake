# Runs at install time, after the component is in place: registers it in the installed folder's
# own registry, where it is recorded relative to that folder. QUELLMAR_REGISTER_TOOL and
# QUELLMAR_COMPONENT are set by the install rules before this script.
set(folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
message(STATUS "Registering: ${folder}/${QUELLMAR_COMPONENT} in ${folder}/components.reg")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env "QUELLMAR_COMPONENT_REGISTRY=${folder}/components.reg"
          "${QUELLMAR_REGISTER_TOOL}" "${folder}/${QUELLMAR_COMPONENT}"
  OUTPUT_QUIET
  ERROR_VARIABLE reason
  RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "The drawing component cannot be registered in ${folder}/components.reg: ${reason}")
endif()
