-- Code lists: the stored code is the option index of the maintenance forms plus 1.
INSERT INTO CoolerTypes (Code, CoolerType) VALUES (1, 'Air'), (2, 'Water'), (3, 'Mobile');

INSERT INTO MotorTypes (Code, MotorType) VALUES
  (1, 'StdAC'), (2, 'StdAC1ph'), (3, 'StdDC'), (4, 'StdHy'), (5, 'SpecAC');

INSERT INTO ProductRange (Code, ProductRange) VALUES (1, 'Quellmar'), (2, 'Ostravine');

INSERT INTO Series (Code, Series) VALUES
  (1, 'PSeries'), (2, 'WPSeries'), (3, 'WPMSeries'), (4, 'OtherSeries');

INSERT INTO dbAttributes (vcAttribute, vcValue) VALUES ('version', '1.0');
