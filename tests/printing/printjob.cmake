# The tests that print through the print job or its preview link the job's library too.
foreach(name pagepainter printjob printserver duplex)
  target_link_libraries(printing_tst_${name} PRIVATE ferlo_printjob)
endforeach()
