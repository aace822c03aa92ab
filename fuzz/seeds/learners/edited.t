2147483646=Ola
-3=Jan
0=Ewa
